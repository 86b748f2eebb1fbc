#pragma once
// The main window. Commands from menus, toolbar and form controls enter
// here and go view, document, frame, application; nothing thrown by a
// handler reaches Qt.

#include "CCmdTarget.h"

#include "afx/CString.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QAction;

namespace afx {

class CDocument;
class CFormView;

class CFrameWnd : public QMainWindow, public CCmdTarget {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Lays out the bars and the view for the frame's present size.
    void RecalcLayout();

    // Creates the window around view; false when creation failed.
    bool LoadFrame(int resourceId, CFormView* view);
    void SetDocument(CDocument* document) { m_pDocument = document; }
    CDocument* GetActiveDocument() const { return m_pDocument; }
    CFormView* GetActiveView() const { return m_pView; }

    // Runs a command through the whole route, catching everything.
    void RouteCommand(int id);
    // Asks the route whether id is enabled and checked.
    CCmdUI QueryCommand(int id);
    // Enables and checks every action by its update handler.
    void UpdateCommandUI();
    // A new action that carries command id, enabled by its update handler.
    QAction* CommandAction(int id, const QString& text);

    void InitialUpdateFrame();
    virtual void ActivateFrame(int showCommand);
    void SetCaption(const QString& caption);
    // A word shown before the caption, such as the time an exam has left;
    // empty for none.
    void SetCaptionPrefix(const QString& prefix);
    // A passing word in the status bar, as the framework's SetMessageText.
    void SetMessageText(const CString& text);
    void DestroyWindow();

    bool OnCmdMsg(int id, CCmdUI* ui) override;

protected:
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy();
    void ShowWithCommand(int showCommand);

    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Route(int id, CCmdUI* ui);
    // Runs work so that nothing it throws reaches Qt, then refreshes the UI.
    void RunGuarded(const std::function<void()>& work);
    void OnViewToolbar();
    void OnViewStatusBar();
    void OnUpdateViewToolbar(CCmdUI* ui);
    void OnUpdateViewStatusBar(CCmdUI* ui);
    void OnAppExit();

    static const CommandEntry<CFrameWnd> kMessageMap[3];

    CDocument* m_pDocument = nullptr;
    CFormView* m_pView = nullptr;
    std::vector<QAction*> m_actions;
    QString m_caption;
    QString m_captionPrefix;
    bool m_bDestroyed = false;
};

constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWMINNOACTIVE = 7;

} // namespace afx
