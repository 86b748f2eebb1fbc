#pragma once
// Retry Missed: in one step, a test of the book's questions that were
// missed and not answered right since, in random order. The record's
// class flags are set as Setup would set them for that choice (New and
// Correct unchecked, the rest checked), so saving the record keeps it.

class COptions;

// Whether the record's book has such a question.
bool HasMissedToRetry(const COptions& record);

// The class flags and the order of a Retry Missed test; the book, filter,
// size and scoring stay as they are.
void ChooseRetryMissed(COptions& record);
