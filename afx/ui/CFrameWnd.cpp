#include "CFrameWnd.h"

#include "CDocument.h"
#include "CFormView.h"
#include "CSingleDocTemplate.h"
#include "CWinApp.h"
#include "CommandIds.h"
#include "QtText.h"

#include "afx/MessageBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLayout>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include <exception>

namespace afx {
namespace {
// Long enough to be read, short enough not to stand as the window's state.
constexpr int kMessageTextMs = 15000;
} // namespace

const CommandEntry<CFrameWnd> CFrameWnd::kMessageMap[] = {
    {ID_VIEW_TOOLBAR, &CFrameWnd::OnViewToolbar, &CFrameWnd::OnUpdateViewToolbar},
    {ID_VIEW_STATUS_BAR, &CFrameWnd::OnViewStatusBar, &CFrameWnd::OnUpdateViewStatusBar},
    {ID_APP_EXIT, &CFrameWnd::OnAppExit, nullptr},
};

CFrameWnd::CFrameWnd()
{
    setAcceptDrops(true);
}

CFrameWnd::~CFrameWnd() = default;

bool CFrameWnd::LoadFrame(int, CFormView* view)
{
    m_pView = view;
    setCentralWidget(view);
    return OnCreate() != -1;
}

bool CFrameWnd::OnCmdMsg(int id, CCmdUI* ui)
{
    return DispatchCommand(this, kMessageMap, id, ui);
}

bool CFrameWnd::Route(int id, CCmdUI* ui)
{
    if (m_pView && m_pView->OnCmdMsg(id, ui))
        return true;
    if (m_pDocument && m_pDocument->OnCmdMsg(id, ui))
        return true;
    if (OnCmdMsg(id, ui))
        return true;
    return AfxGetApp()->OnCmdMsg(id, ui);
}

void CFrameWnd::RunGuarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (int) {
        // An abort signal: the failure has been reported already.
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    } catch (...) {
        AfxMessageBox("An unexpected error occurred.");
    }
    if (!m_bDestroyed)
        UpdateCommandUI();
}

void CFrameWnd::RouteCommand(int id)
{
    RunGuarded([this, id] { Route(id, nullptr); });
}

CCmdUI CFrameWnd::QueryCommand(int id)
{
    CCmdUI ui(id);
    try {
        Route(id, &ui);
    } catch (...) {
        ui.m_bHandled = false;
    }
    if (!ui.m_bHandled)
        ui.Enable(false);
    return ui;
}

void CFrameWnd::UpdateCommandUI()
{
    for (QAction* action : m_actions) {
        const CCmdUI ui = QueryCommand(action->data().toInt());
        action->setEnabled(ui.m_bEnabled);
        if (action->isCheckable())
            action->setChecked(ui.m_nCheck != 0);
    }
}

QAction* CFrameWnd::CommandAction(int id, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
    m_actions.push_back(action);
    return action;
}

void CFrameWnd::RecalcLayout()
{
    // Also for a hidden frame, whose resize Qt would lay out only when shown.
    if (layout() != nullptr) {
        layout()->invalidate();
        layout()->activate();
    }
}

void CFrameWnd::InitialUpdateFrame()
{
    if (m_pView)
        m_pView->OnInitialUpdate();
    ActivateFrame(-1);
    if (m_pView)
        m_pView->OnActivateView();
    UpdateCommandUI();
}

void CFrameWnd::ActivateFrame(int showCommand)
{
    ShowWithCommand(showCommand);
}

void CFrameWnd::ShowWithCommand(int showCommand)
{
    switch (showCommand) {
    case SW_SHOWMAXIMIZED:
        showMaximized();
        break;
    case SW_SHOWMINNOACTIVE:
        setWindowState((windowState() & Qt::WindowMaximized) | Qt::WindowMinimized);
        show();
        break;
    case SW_SHOWNORMAL:
        showNormal();
        break;
    default:
        show();
        break;
    }
}

void CFrameWnd::SetCaption(const QString& caption)
{
    m_caption = caption;
    setWindowTitle(m_captionPrefix.isEmpty() ? caption : m_captionPrefix + " - " + caption);
}

void CFrameWnd::SetCaptionPrefix(const QString& prefix)
{
    m_captionPrefix = prefix;
    SetCaption(m_caption);
}

void CFrameWnd::DestroyWindow()
{
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    OnDestroy();
    hide();
    deleteLater();
}

void CFrameWnd::OnDestroy()
{
    if (m_pView)
        m_pView->OnDestroy();
    if (CSingleDocTemplate* docTemplate = m_pDocument ? m_pDocument->GetDocTemplate() : nullptr)
        docTemplate->FrameDestroyed();
    m_pDocument = nullptr;
}

void CFrameWnd::closeEvent(QCloseEvent* event)
{
    event->ignore();
    bool canClose = true;
    try {
        canClose = m_pDocument == nullptr || m_pDocument->SaveModified();
    } catch (...) {
        canClose = false;
    }
    if (canClose && m_pView)
        m_pView->OnClose();
    if (canClose)
        DestroyWindow();
}

void CFrameWnd::OnAppExit()
{
    close();
}

void CFrameWnd::OnViewToolbar()
{
    if (auto* bar = findChild<QToolBar*>())
        bar->setVisible(!bar->isVisible());
}

void CFrameWnd::SetMessageText(const CString& text)
{
    statusBar()->showMessage(ToQt(text), kMessageTextMs);
}

void CFrameWnd::OnViewStatusBar()
{
    statusBar()->setVisible(!statusBar()->isVisible());
}

void CFrameWnd::OnUpdateViewToolbar(CCmdUI* ui)
{
    auto* bar = findChild<QToolBar*>();
    ui->SetCheck(bar && bar->isVisibleTo(this) ? 1 : 0);
}

void CFrameWnd::OnUpdateViewStatusBar(CCmdUI* ui)
{
    ui->SetCheck(statusBar()->isVisibleTo(this) ? 1 : 0);
}

void CFrameWnd::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Dropped files open through the same path as File Open; the framework
// opens the first one.
void CFrameWnd::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const CString path = PathFromQt(urls.first().toLocalFile());
    RunGuarded([&path] { AfxGetApp()->OpenDocumentFile(path); });
}

} // namespace afx
