#pragma once
// The choice of Wine prefix on the programs page: a compact combo box in the page's dark style
// listing every prefix found on the machine (pw::FindWinePrefixes), read-only ones marked.
//
// How the page uses it:
//   chooser->SetPrefixes(pw::FindWinePrefixes(QDir::homePath()));
//   connect(chooser, &CPrefixChooser::prefixChosen, page, [=](int index) {
//       const pw::WinePrefixInfo &p = chooser->Prefixes().at(index);
//       bool consent = false;
//       if (p.ReadOnly())
//           consent = AskUseSystemWine(page, p);     // nothing starts without it
//       std::string error;
//       pw::SwitchDefaultPrefix(p, consent, &error); // platform/default/defaultplatform.h:
//                                                    // stops the current host, starts one in
//                                                    // `p` with its own Wine (or the system's
//                                                    // after consent)
//       ... then refresh the list (a read-only prefix without consent is read from its
//       registry files; the page refuses to uninstall from it, saying why: ReadOnlyReason).
//   });
// Nothing is stored between runs: the initial choice is made again each time.
#include "platform/wine/wineprefixes.h"

#include <QComboBox>
#include <QVector>

class CPrefixChooser : public QComboBox {
    Q_OBJECT
public:
    explicit CPrefixChooser(QWidget *parent = nullptr);

    // Fills the list and selects the initial prefix: the one WINEPREFIX names when set, else
    // ~/.wine when it exists, else the first one. Emits no signal.
    void SetPrefixes(const QVector<pw::WinePrefixInfo> &prefixes);
    const QVector<pw::WinePrefixInfo> &Prefixes() const { return m_prefixes; }

    // The text shown for `prefix`: its label, with "(read-only: <wine> missing)" when its Wine
    // is not on the machine.
    static QString ItemText(const pw::WinePrefixInfo &prefix);
    // Why nothing can be uninstalled from the read-only `prefix`, for the page to show.
    static QString ReadOnlyReason(const pw::WinePrefixInfo &prefix);
    // The index SetPrefixes() selects for `prefixes`, -1 for none.
    static int InitialIndex(const QVector<pw::WinePrefixInfo> &prefixes);

signals:
    // The user picked another prefix (an index into Prefixes()).
    void prefixChosen(int index);

private:
    QVector<pw::WinePrefixInfo> m_prefixes;
    bool m_filling = false;
};

// Asks the user, in the product's message box, whether the read-only `prefix` may be opened
// with the system's Wine instead of its own missing one. True only for an explicit "yes".
bool AskUseSystemWine(QWidget *parent, const pw::WinePrefixInfo &prefix);
