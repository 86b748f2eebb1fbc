#pragma once
// The question form: one question of the test at a time, its answers, the
// header line, and the commands that drive a test.

#include "ViewerProcess.h"

#include "exam/CTestQuestionList.h"
#include "exam/PracticeExam.h"

#include "afx/CrtRandom.h"
#include "afx/ui/CFormView.h"

#include <QPointer>

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>

class COptions;
class CQuestionSet;
class CBookNamesSet;
class CQuestionCountSet;
class QLabel;
class QTimer;
namespace litex {
class SQLiteDatabase;
}

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
    // A test of the book's questions due for review, the most overdue first.
    void OnReviewDue();
    // A test of these numbers in this order, named as the book and what
    // they are.
    void StartTestOfNumbers(const std::vector<CString>& numbers, const CString& name);

    // The time answers are kept with and reviews fall due by, in seconds
    // since 1970; tests move it.
    using WallClock = std::function<int64_t()>;
    void SetWallClock(WallClock clock) { m_wallClock = std::move(clock); }

    // Progress, and a test of the book or section chosen there.
    void OnProgress();
    void StartTestOf(const CString& table, const CString& title, const std::optional<CString>& section);
    // The chance to pass the book's practice exam now, in words.
    QString PassOutlook(const CString& title, const std::vector<BookQuestion>& book, int64_t now);

    // The practice exam. The clock is the exam's; tests put in their own.
    void OnPracticeExam();
    void OnFinishExam();
    bool ExamIsRunning() const { return m_exam != nullptr; }
    const PracticeExam* Exam() const { return m_exam.get(); }
    void SetExamClock(PracticeExam::Clock clock) { m_examClock = std::move(clock); }

    bool OnCmdMsg(int id, afx::CCmdUI* ui) override;

protected:
    void DoDataExchange(afx::CDataExchange& dx) override;

private:
    static const afx::CommandEntry<CQuilloView> kMessageMap[];

    // A pool whose query failed (a book whose table is missing) is closed;
    // until a new test starts, commands leave it alone.
    bool PoolIsOpen() const;
    bool HasTestQuestion() const { return PoolIsOpen() && m_nCurrent >= 1 && m_nCurrent <= m_testList.GetSize(); }
    void OpenPool(const CString& statement);
    void RunFilteredPool();
    int CountPoolWithWaitCursor();

    // Alt+A to Alt+D choose an answer, Alt+N and Alt+P move on and back.
    void InstallAnswerKeys();

    litex::SQLiteDatabase& Database() const;

    // While an exam runs, the commands that would start another test say
    // so and do nothing.
    bool ExamBlocks() const;
    // What every command that starts a test does first; false when it
    // cannot: an exam runs, or the pool is closed.
    bool ReadyForNewTest();
    void StartExam(const ExamSettings& settings, const std::vector<BookQuestion>& book);
    void BeginExamMode();
    CString ExamBookName();
    void EndExamMode();
    void ShowExamState();
    void ShowExamClock();
    void FinishExam();
    void ShowExamResult(const ExamResult& result);
    void OnExamTick();
    void OnTimeLeft();
    void OnUpdateExamRunning(afx::CCmdUI* ui);
    void OnExplanation();
    void OnUpdateExplanation(afx::CCmdUI* ui);
    QString TimeLeftText() const;

    void InstallScreenReaderTexts();
    void AnnounceQuestion();
    void AnnounceResult();
    QString CorrectAnswerSpoken() const;

    void OnAnswer();
    void OnCommit();
    void OnTagChanged();
    void StoreTags(const CString& number);
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
    std::unique_ptr<PracticeExam> m_exam;
    WallClock m_wallClock = [] { return static_cast<int64_t>(std::time(nullptr)); };
    PracticeExam::Clock m_examClock = [] { return std::chrono::steady_clock::now(); };
    QTimer* m_examTimer = nullptr;
    QPointer<QLabel> m_examClockLabel;
    // The minutes left last put in the title, and the warnings given.
    int m_titleMinutes = -1;
    int m_warningsGiven = 0;
};
