#pragma once
// What a test record starts from when a bank is opened: the three readers
// on their default queries, in the order the document opens them, and the
// first book and the first test size. The document does it on File New and
// on opening a bank; the bench and the fuzz target walk the same steps.

class CBookNamesSet;
class COptions;
class CQuestionCountSet;
class CQuestionSet;

// Each reader is closed first when open; the book reader ends on its first row.
void OpenReadersOnDefaults(CQuestionCountSet& counts, CBookNamesSet& books, CQuestionSet& questions);

// The record's book and test size from the readers' current rows.
void TakeFirstBook(COptions& record, const CBookNamesSet& books, const CQuestionCountSet& counts);
