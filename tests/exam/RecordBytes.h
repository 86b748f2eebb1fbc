#pragma once
// Storing and loading a test record through an archive over bytes in memory.

#include "exam/COptions.h"

#include <string>

std::string StoreRecord(COptions& record);
void LoadRecord(COptions& record, const std::string& bytes);
std::string Bytes(std::initializer_list<int> values);

// A record set up on book BOOK1, "Technician", with no outcomes yet.
COptions TechnicianRecord();
