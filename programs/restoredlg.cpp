#include "programs/restoredlg.h"

#include "inventory/programhelpers.h"
#include "libs/vdxqt/bpqtlabel.h"
#include "libs/vdxqt/notifycentor.h"
#include "shell/msgids.h"
#include "shell/stylefile.h"
#include "shell/widgethelpers.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kContentWidth = 728;
constexpr int kRowHeight = 56;
constexpr int kButtonColumn = 172;

QPushButton *MakeButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    SetWidgetFont(button, 14);
    // As wide as its caption needs in the language shown, at least as the other dialogs' buttons.
    button->setFixedSize(qMax(96, button->fontMetrics().horizontalAdvance(caption) + 24), 28);
    button->setStyleSheet(QStringLiteral("QPushButton{border-image:url(./Resources/messagebox/btn_pri.png);color:white;}"
                                         "QPushButton:hover{border-image:url(./Resources/messagebox/btn_pri_hover.png);}"
                                         "QPushButton:pressed{border-image:url(./Resources/messagebox/btn_pri_press.png);}"
                                         "QPushButton:disabled{border-image:url(./Resources/messagebox/btn_pri_disable.png);}"));
    return button;
}

// The items a removal took away from a program, and their bytes.
void Count(const journal::Program &program, int *items, qint64 *bytes)
{
    *items = 0;
    *bytes = 0;
    for (const journal::Item &item : program.items) {
        if (item.state != journal::State::Trashed && item.state != journal::State::Deleted)
            continue;
        ++*items;
        if (item.size > 0)
            *bytes += item.size;
    }
}

QString ItemLine(const RestoredItem &r)
{
    // A registry value by its key and name, the rest by its path.
    const QString path = (r.item.kind == LeftoverRegistry && !r.item.value.isEmpty()
                              ? r.item.path + QLatin1Char('|') + r.item.value
                              : r.item.path)
                             .toHtmlEscaped();
    switch (r.outcome) {
    case RestoreOutcome::Restored: return CRestoreDlg::tr("%1: back").arg(path);
    case RestoreOutcome::AlreadyRestored: return CRestoreDlg::tr("%1: already restored").arg(path);
    case RestoreOutcome::NotInTrash: return CRestoreDlg::tr("%1: not restored, it is no longer in the trash").arg(path);
    case RestoreOutcome::Taken: return CRestoreDlg::tr("%1: not restored, something exists there now").arg(path);
    case RestoreOutcome::Refused:
        return CRestoreDlg::tr("%1: refused, the journal names something no removal took").arg(path);
    case RestoreOutcome::Failed:
        return CRestoreDlg::tr("%1: not restored (%2)").arg(path, r.detail.toHtmlEscaped());
    case RestoreOutcome::NotRestorable: return QString(); // deleted for good or kept: nothing to say
    }
    return QString();
}

} // namespace

CRestoreDlg::CRestoreDlg(QWidget *parent) : CBaseDialog(parent), m_platform(pw::CurrentPlatform())
{
    SetNotifyCentor(CBPNotifyCentor::instance());
    RegisterMsg(MSG_CLOSE_DLG);
    setFixedSize(760, 540);
    const QRect over = parent ? parent->geometry() : QApplication::primaryScreen()->availableGeometry();
    move(over.x() + over.width() / 2 - width() / 2, over.y() + over.height() / 2 - height() / 2);
}

CRestoreDlg::~CRestoreDlg() = default;

void CRestoreDlg::SetSource(const QString &journalFolder, const pw::Platform &platform, const QString &openPrefix)
{
    m_folder = journalFolder;
    m_platform = platform;
    m_openPrefix = openPrefix;
}

QPushButton *CRestoreDlg::restoreButton(int row) const
{
    return row >= 0 && row < m_buttons.size() ? m_buttons.at(row) : nullptr;
}

void CRestoreDlg::BuildContent()
{
    if (m_list)
        return;
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(16, 6, 16, 12);
    layout->setSpacing(8);

    auto *title = new QLabel(tr("Restore Removed Items"), this);
    SetWidgetFont(title, 18);
    SetWidgetTextColor(title, QColor(255, 255, 255));
    layout->addWidget(title, 0, Qt::AlignLeft);
    auto *hint = new QLabel(tr("What the leftover removal moved to the trash, by run, newest first. Restoring puts "
                               "files back where they were and writes the registry entries back; nothing that "
                               "exists now is overwritten."),
                            this);
    hint->setWordWrap(true);
    hint->setFixedWidth(kContentWidth);
    SetWidgetFont(hint, 13);
    SetWidgetTextColor(hint, QColor(255, 255, 255, 153));
    layout->addWidget(hint);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("popTreeWidget"));
    m_list->setColumnCount(2);
    m_list->header()->hide();
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setIndentation(0);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFixedSize(kContentWidth, 262);
    m_list->setColumnWidth(0, kContentWidth - kButtonColumn);
    m_list->verticalScrollBar()->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/vscrollbar.qss")));
    m_list->horizontalScrollBar()->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/hscrollbar.qss")));
    layout->addWidget(m_list);

    m_empty = new QLabel(tr("Nothing has been removed yet."), this);
    SetWidgetFont(m_empty, 14);
    SetWidgetTextColor(m_empty, QColor(255, 255, 255, 153));
    layout->addWidget(m_empty, 0, Qt::AlignHCenter);

    m_result = new QTextEdit(this);
    m_result->setReadOnly(true);
    m_result->setFixedSize(kContentWidth, 130);
    m_result->setStyleSheet(QStringLiteral("QTextEdit{background:rgb(36,37,41);color:rgb(214,214,215);border:none;}"));
    m_result->verticalScrollBar()->setStyleSheet(ReadStyleFile(QStringLiteral("./QSS/vscrollbar.qss")));
    SetWidgetFont(m_result, 13);
    m_result->hide();
    layout->addWidget(m_result);
    layout->addStretch();
    contentLayout->addLayout(layout);
    FillList();
}

void CRestoreDlg::FillList()
{
    m_list->clear();
    m_rows.clear();
    m_buttons.clear();
    const QVector<journal::Run> runs = journal::ReadAll(m_folder);
    for (const journal::Run &run : runs) {
        const auto addRow = [&](const QString &line1, const QString &line2, bool restorable, int program,
                                const QString &name) {
            auto *item = new QTreeWidgetItem(m_list);
            auto *cell = new QWidget;
            auto *texts = new QVBoxLayout(cell);
            texts->setContentsMargins(12, 6, 0, 6);
            cell->setFixedHeight(kRowHeight);
            texts->setSpacing(0);
            auto *first = new CBPQtLabel(line1, cell);
            SetWidgetFont(first, 15);
            first->setStyleSheet(QStringLiteral("color:rgb(214,214,215);"));
            auto *second = new CBPQtLabel(line2, cell);
            SetWidgetFont(second, 12);
            second->setStyleSheet(restorable ? QStringLiteral("color:rgb(117,118,121);")
                                             : QStringLiteral("color:rgb(255,176,64);"));
            texts->addWidget(first);
            texts->addWidget(second);
            m_list->setItemWidget(item, 0, cell);
            item->setSizeHint(0, QSize(kContentWidth - kButtonColumn, kRowHeight));
            item->setSizeHint(1, QSize(120, kRowHeight));
            QPushButton *button = nullptr;
            if (restorable) {
                auto *holder = new QWidget;
                auto *centre = new QHBoxLayout(holder);
                centre->setContentsMargins(0, 0, 12, 0);
                button = MakeButton(tr("Restore"), holder);
                centre->addWidget(button, 0, Qt::AlignRight | Qt::AlignVCenter);
                const int row = m_rows.size();
                connect(button, &QPushButton::clicked, this, [this, row] { StartRestore(row); });
                m_list->setItemWidget(item, 1, holder);
            }
            m_rows.append({run.file, program, name});
            m_buttons.append(button);
        };
        if (!run.problem.isEmpty()) {
            addRow(QFileInfo(run.file).fileName(), tr("This journal cannot be read: %1").arg(run.problem), false, -1,
                   QString());
            continue;
        }
        for (int p = 0; p < run.programs.size(); ++p) {
            const journal::Program &program = run.programs.at(p);
            const QString name = program.name.isEmpty() ? tr("(unnamed program)") : program.name;
            QDateTime when = program.started.isValid() ? program.started : run.started;
            QString details = when.isValid() ? QLocale().toString(when.toLocalTime(), QLocale::ShortFormat) : QString();
            if (!program.prefix.isEmpty())
                details += QStringLiteral("  \u00b7  ") + tr("Wine prefix %1").arg(program.prefix);
            int items = 0;
            qint64 bytes = 0;
            Count(program, &items, &bytes);
            details += QStringLiteral("  \u00b7  ") + tr("%1 item(s)").arg(items) + QStringLiteral(", ")
                       + FormatSize(uint64_t(bytes));
            bool restorable = program.problem.isEmpty() && program.mode == RemovalMode::Trash && items > 0;
            if (!program.problem.isEmpty())
                details = tr("This entry of the journal is damaged: %1").arg(program.problem);
            else if (!program.finished.isValid() && !journal::IsBeingWritten(run.file))
                details += QStringLiteral("  \u00b7  ") + tr("the run ended before it was done");
            else if (program.mode == RemovalMode::Delete)
                details += QStringLiteral("  \u00b7  ") + tr("deleted for good");
            if (journal::IsBeingWritten(run.file)) {
                restorable = false;
                details += QStringLiteral("  \u00b7  ") + tr("still being removed");
            }
            addRow(name, details, restorable, p, name);
        }
    }
    m_empty->setVisible(m_rows.isEmpty());
}

void CRestoreDlg::StartRestore(int row)
{
    if (m_restoring || row < 0 || row >= m_rows.size())
        return;
    m_restoring = true;
    for (QPushButton *button : m_buttons)
        if (button)
            button->setEnabled(false);
    m_result->show();
    m_result->setHtml(tr("Restoring %1...").arg(m_rows.at(row).name.toHtmlEscaped()));
    // Off the user-interface thread: files and registry writes may take a while.
    auto result = std::make_shared<RestoreResult>();
    const Row target = m_rows.at(row);
    const pw::Platform platform = m_platform;
    const QString prefix = m_openPrefix;
    QThread *thread = QThread::create([result, target, platform, prefix] {
        *result = RestoreProgram(target.file, target.program, platform, prefix);
    });
    connect(thread, &QThread::finished, this, [this, row, result] { FinishRestore(row, *result); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

QString CRestoreDlg::ResultText(const QString &program, const RestoreResult &result)
{
    const QString name = program.toHtmlEscaped();
    if (!result.otherPrefix.isEmpty())
        return tr("The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then "
                  "restore again.")
            .arg(name, result.otherPrefix.toHtmlEscaped());
    if (!result.problem.isEmpty())
        return tr("%1 cannot be restored: %2").arg(name, result.problem.toHtmlEscaped());
    QStringList lines;
    lines << QStringLiteral("<b>") + tr("%1: %2 item(s) restored, %3 not restored.")
                                         .arg(name)
                                         .arg(result.restored)
                                         .arg(result.notRestored)
                 + QStringLiteral("</b>");
    for (const RestoredItem &item : result.items) {
        const QString line = ItemLine(item);
        if (!line.isEmpty())
            lines << line;
    }
    return lines.join(QStringLiteral("<br>"));
}

void CRestoreDlg::FinishRestore(int row, const RestoreResult &result)
{
    m_restoring = false;
    m_result->setHtml(ResultText(m_rows.value(row).name, result));
    FillList();
    m_result->show();
    // What came back may be a program's entry: the page reads the list again.
    if (result.restored > 0) {
        const int page = PAGE_PROGRAMS;
        CBPNotifyCentor::instance()->Send(MSG_REFRESH_PAGE, 0, &page, sizeof page);
    }
    emit restoreFinished();
}

int CRestoreDlg::ReceiveMsg(const __MsgData &msg)
{
    if (msg.id == MSG_CLOSE_DLG && !m_restoring)
        close();
    return 0;
}
