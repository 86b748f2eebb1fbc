#pragma once
// Control ids of the question form (template 101) and the view's commands.

namespace form {

constexpr int IDD_QUILLO_FORM = 101;

constexpr int IDC_ANSWER_C = 1000;
constexpr int IDC_ANSWER_B = 1001;
constexpr int IDC_ANSWER_D = 1002;
constexpr int IDC_QUESTION = 1003;
constexpr int IDC_ANSWER_A = 1004;
constexpr int IDC_RADIO_A = 1005;
constexpr int IDC_RADIO_B = 1006;
constexpr int IDC_RADIO_C = 1007;
constexpr int IDC_RADIO_D = 1008;
constexpr int IDC_COMMIT = 1009;
constexpr int IDC_NUMBER = 1010;
constexpr int IDC_PREVIOUS = 1011;
constexpr int IDC_DISPLAY = 1014;
constexpr int IDC_DIAGRAM = 1015;
constexpr int IDC_NEXT = 1016;
constexpr int IDC_SETUP = 1017;
constexpr int IDC_STATUS = 1018;
constexpr int IDC_CORRECT_ANSWER = 1020;
constexpr int IDC_TAG_IT = 1023;
constexpr int IDC_TAG_1 = 1024;
constexpr int IDC_TAG_2 = 1025;
constexpr int IDC_CURRENT = 1026;
constexpr int IDC_SCORE = 1028;
constexpr int IDC_TEST_SIZE = 1029;
constexpr int IDC_BOOK_NAME = 1030;
constexpr int IDC_POOL_SIZE = 1031;
constexpr int IDC_GO = 1032;

constexpr int ID_SETUP = 32771;
constexpr int ID_HELP_CONTENTS = 32772;
constexpr int ID_TECH_SUPPORT = 32773;
constexpr int ID_RETRY_MISSED = 32774;
constexpr int ID_PROGRESS = 32775;
constexpr int ID_PRACTICE_EXAM = 32776;
constexpr int ID_FINISH_EXAM = 32777;
constexpr int ID_TIME_LEFT = 32778;
// The exam clock's tick, routed as a command so that nothing it throws
// reaches the event loop; no menu carries it.
constexpr int ID_EXAM_TICK = 32779;
constexpr int ID_FILE_OPEN_BANK = 32780;
constexpr int ID_REVIEW_DUE = 32781;
constexpr int ID_EXPLANATION = 32782;
constexpr int ID_FIRST_QUESTION = 59648;
constexpr int ID_LAST_QUESTION = 59649;
constexpr int ID_NEXT_QUESTION = 59650;
constexpr int ID_PREVIOUS_QUESTION = 59651;

} // namespace form
