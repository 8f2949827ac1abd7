#pragma once
// The About box: logo, product name and version, description, a link to the product page and
// the copyright line. It has no buttons; MSG_CLOSE_DLG (the title bar's close button) ends it.
#include "widgets/basedialog.h"

class CBPQtHyperLink;
class QLabel;

class CAboutDlg : public CBaseDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    // Builds the content; call once, after the window flags are set and before exec().
    void BuildContent();

    // The page the link opens, whatever text the link shows.
    static QString ProductPageUrl();

    int ReceiveMsg(const __MsgData &msg) override;

public slots:
    void openUrl(QString &text);

private:
    QLabel *m_productLabel = nullptr;
    QLabel *m_descriptionLabel = nullptr;
    CBPQtHyperLink *m_link = nullptr;
    QLabel *m_copyrightLabel = nullptr;
};
