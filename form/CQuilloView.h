#pragma once
// The question form: one question of the test at a time, its answers, the
// header line, and the commands that drive a test.

#include "ViewerProcess.h"

#include "exam/CTestQuestionList.h"

#include "afx/CrtRandom.h"
#include "afx/ui/CFormView.h"

class COptions;
class CQuestionSet;
class CBookNamesSet;
class CQuestionCountSet;

class CQuilloView : public afx::CFormView {
public:
    CQuilloView();
    ~CQuilloView() override;

    COptions* m_pTest = nullptr;
    CQuestionSet* m_pQuestions = nullptr;
    CBookNamesSet* m_pBooks = nullptr;
    CQuestionCountSet* m_pCounts = nullptr;
    CTestQuestionList m_testList;
    int m_nAnswer = -1;
    CString m_strStatus = "Pending";
    CString m_strCorrectAnswer;
    int m_nTestSize = 0;
    CString m_strBookName;
    int m_nCurrent = 0;
    CString m_strScore;
    int m_nPoolSize = 0;
    int m_nTagChoice = 0;
    int m_bTagIt = 0;
    form::ViewerProcess m_hViewer;

    void OnInitialUpdate() override;
    void OnClose() override { StopViewer(); }
    void OnDestroy() override { StopViewer(); }
    virtual CQuestionSet* GetQuestionSet() { return m_pQuestions; }

    void ShowQuestion(bool bRefreshTags);
    void FindQuestion(const CString& number);
    void ClearAnswer();
    void StopViewer();

    // The test builder.
    void RunPoolQuery(const CString& statement);
    void StartTest();
    int SelectQuestions();
    void OnSetup();
    void OnRetryMissed();

    bool OnCmdMsg(int id, afx::CCmdUI* ui) override;

protected:
    void DoDataExchange(afx::CDataExchange& dx) override;

private:
    static const afx::CommandEntry<CQuilloView> kMessageMap[];

    // A pool whose query failed (a book whose table is missing) is closed;
    // until a new test starts, commands leave it alone.
    bool PoolIsOpen() const;
    bool HasTestQuestion() const
    {
        return PoolIsOpen() && m_nCurrent >= 1 && m_nCurrent <= m_testList.GetSize();
    }
    void OpenPool(const CString& statement);
    void RunFilteredPool();
    int CountPoolWithWaitCursor();

    // Alt+A to Alt+D choose an answer, Alt+N and Alt+P move on and back.
    void InstallAnswerKeys();

    void InstallScreenReaderTexts();
    void AnnounceQuestion();
    void AnnounceResult();

    void OnAnswer();
    void OnCommit();
    void OnNext();
    void OnPrevious();
    void OnGo();
    void OnDisplay();
    void OnFirstQuestion();
    void OnLastQuestion();
    void OnNextQuestion();
    void OnPreviousQuestion();
    void OnUpdateFirstQuestion(afx::CCmdUI* ui);
    void OnUpdateNextQuestion(afx::CCmdUI* ui);

    afx::CrtRandom m_random;
};
