#pragma once

#include "afx/CString.h"

// One question of the running test with room for the outcome of answering it.
class CTestQuestion {
public:
    explicit CTestQuestion(const CString& number = CString()) : m_strNumber(number) {}
    virtual ~CTestQuestion() = default;
    CTestQuestion(const CTestQuestion&) = default;
    CTestQuestion& operator=(const CTestQuestion&) = default;

    CString m_strNumber;
    int m_nChosen = -1;
    int m_bAnswered = 0;
    int m_bCorrect = 0;
    CString m_strCorrect;
};
