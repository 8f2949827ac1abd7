#include "programs/prefixchooser.h"

#include "widgets/msgdlg.h"

CPrefixChooser::CPrefixChooser(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("prefixChooser"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setAccessibleName(tr("Wine prefix"));
    setStyleSheet(QStringLiteral(
        "QComboBox { background: rgb(38,43,65); color: white; font-size: 14px; border: 1px solid rgb(58,64,92);"
        " padding: 2px 8px; }"
        "QComboBox QAbstractItemView { background: rgb(38,43,65); color: white; font-size: 14px;"
        " selection-background-color: rgb(58,64,92); }"));
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (!m_filling && index >= 0 && index < m_prefixes.size())
            emit prefixChosen(index);
    });
}

QString CPrefixChooser::ItemText(const pw::WinePrefixInfo &prefix)
{
    if (!prefix.ReadOnly())
        return prefix.label;
    return tr("%1 (read-only: %2 missing)").arg(prefix.label, prefix.wineName.isEmpty() ? prefix.wine : prefix.wineName);
}

QString CPrefixChooser::ReadOnlyReason(const pw::WinePrefixInfo &prefix)
{
    const QString wine = prefix.wineName.isEmpty() ? prefix.wine : prefix.wineName;
    return tr("\"%1\" is read-only:\n"
              "its Wine (%2) is not installed.\n"
              "Its programs are read from its registry files,\n"
              "and nothing can be uninstalled from it.")
        .arg(prefix.label, wine);
}

int CPrefixChooser::InitialIndex(const QVector<pw::WinePrefixInfo> &prefixes)
{
    for (int i = 0; i < prefixes.size(); ++i)
        if (prefixes[i].fromWinePrefixVariable)
            return i;
    for (int i = 0; i < prefixes.size(); ++i)
        if (prefixes[i].isDefaultPrefix)
            return i;
    return prefixes.isEmpty() ? -1 : 0;
}

void CPrefixChooser::SetPrefixes(const QVector<pw::WinePrefixInfo> &prefixes)
{
    m_filling = true;
    m_prefixes = prefixes;
    clear();
    for (const pw::WinePrefixInfo &p : m_prefixes) {
        addItem(ItemText(p));
        setItemData(count() - 1, p.path, Qt::ToolTipRole);
    }
    setCurrentIndex(InitialIndex(m_prefixes));
    m_filling = false;
}

bool AskUseSystemWine(QWidget *parent, const pw::WinePrefixInfo &prefix)
{
    const QString wine = prefix.wineName.isEmpty() ? prefix.wine : prefix.wineName;
    const QString text = CPrefixChooser::tr("\"%1\" is read-only: its Wine (%2) is not installed.\n"
                                            "The system's Wine may update this prefix so that\n"
                                            "its manager can no longer run it.\n"
                                            "Open it with the system's Wine anyway?")
                             .arg(prefix.label, wine);
    CMSGDlg box(434, 240, parent);
    box.SetContent(CMSGDlg::IconWarning, text, CMSGDlg::ButtonsYesNo);
    return box.exec() == 0;
}
