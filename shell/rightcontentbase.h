#pragma once
// What every page of the main window's right-hand side implements, beside its own layout
// class. The page container calls the activation hook when it switches to the page.
class CRightContentBase {
public:
    explicit CRightContentBase(int pageId) : m_pageId(pageId) {}
    virtual ~CRightContentBase() = default;

    // Called when the page becomes current; the two values come from the switch request
    // (-1, -1 when it carried none). The default does nothing.
    virtual void ActivatePage(int b, int c)
    {
        (void)b;
        (void)c;
    }

    int GetPageId() const { return m_pageId; }

private:
    int m_pageId;
};
