#include "Resources.h"

#include "form/FormIds.h"

#include "afx/ui/CommandIds.h"

#include <map>

namespace app {

using namespace afx;
using namespace form;

const char* const kDocTemplateString =
    "Norvane Examiner\n\nExaminer\nNorvane Examiner Files (*.nve)\n.nve\nQuillo.Document\nNorvane Examiner Document";

const std::vector<int> kToolbarButtons = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_SETUP,
    0,
    ID_FIRST_QUESTION,
    ID_PREVIOUS_QUESTION,
    ID_NEXT_QUESTION,
    ID_LAST_QUESTION,
    0,
    ID_REVIEW_DUE,
    ID_PROGRESS,
    ID_PRACTICE_EXAM,
    0,
    ID_HELP_CONTENTS,
};

namespace {

const std::map<int, const char*>& StringTable()
{
    static const std::map<int, const char*> table = {
        {57344, "quillo"},
        {57345, "Ready"},
        {ID_SETUP, "Setup testing options\nSetup"},
        {ID_HELP_CONTENTS, "Display help for application\nHelp"},
        {ID_TECH_SUPPORT, "Get up to date technical information at the norvane web site\nHelp on the web"},
        {ID_FIRST_QUESTION, "Move to first question\nFirst Question"},
        {ID_LAST_QUESTION, "Move to final question\nLast Question"},
        {ID_NEXT_QUESTION, "Move to next question\nNext Question"},
        {ID_PREVIOUS_QUESTION, "Move to previous question\nPrevious Question"},
        {ID_RETRY_MISSED, "Start a test of the missed questions of this book, in random order\nRetry Missed"},
        {ID_REVIEW_DUE, "Start a test of this book's questions due for review, the most overdue first\nReview Due"},
        {ID_EXPLANATION, "Show the question bank's explanation of the question answered\nExplanation"},
        {ID_PROGRESS, "Show how much of each book and section is answered, correct and missed\nProgress"},
        {ID_PRACTICE_EXAM, "Take a timed exam with a pass mark, with no result until the end\nPractice Exam"},
        {ID_FINISH_EXAM, "End the practice exam and see its result\nFinish Exam"},
        {ID_TIME_LEFT, "Tell the time left in the practice exam\nTime Left"},
        {ID_FILE_NEW, "Create a new document\nNew"},
        {ID_FILE_OPEN, "Open an existing document\nOpen"},
        {ID_FILE_OPEN_BANK, "Open another question bank and start a new test record on it\nOpen Question Bank"},
        {ID_FILE_SAVE, "Save the active document\nSave"},
        {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
        {59136, "EXT"},
        {ID_INDICATOR_CAPS, "CAP"},
        {ID_INDICATOR_NUM, "NUM"},
        {ID_INDICATOR_SCRL, "SCRL"},
        {59140, "OVR"},
        {59141, "REC"},
    };
    return table;
}

} // namespace

CString LoadString(int id)
{
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 16)
        return "Open this document";
    const auto found = StringTable().find(id);
    return found == StringTable().end() ? CString() : CString(found->second);
}

CString PromptText(int id)
{
    const CString text = LoadString(id);
    const int newline = text.Find('\n');
    return newline < 0 ? text : text.Left(newline);
}

CString TooltipText(int id)
{
    const CString text = LoadString(id);
    const int newline = text.Find('\n');
    return newline < 0 ? CString() : text.Mid(newline + 1);
}

} // namespace app
