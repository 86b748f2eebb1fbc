#pragma once

#include "AppFixture.h"

#include "form/FormIds.h"

#include <QAbstractButton>

// The form of a running program on a bank of the test's own making.
class FormTest : public AppTest {
protected:
    void StartOn(const std::string& sql)
    {
        BuildBankFile(folder.File("bank.db"), sql);
        ASSERT_TRUE(Start());
    }
    void StartOnQuestions(int questions) { StartOn(QuestionBankSql(2, questions)); }

    void Click(int id) { static_cast<QAbstractButton*>(View()->GetDlgItem(id))->click(); }
    void Command(int id) { Frame()->RouteCommand(id); }
    bool Enabled(int id) { return Frame()->QueryCommand(id).m_bEnabled; }
    bool Checked(int id) { return static_cast<QAbstractButton*>(View()->GetDlgItem(id))->isChecked(); }
    std::string Text(int id) { return ControlText(id).toStdString(); }
    COptions& Record() { return Document()->m_test; }
};
