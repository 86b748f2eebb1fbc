#pragma once
// Question tables that differ where a cursor could go wrong: none or one
// row, repeated numbers, NULL columns, non-ASCII text, numbers in text.

#include <string>
#include <vector>

struct OraclePool {
    std::string name;
    int rows;
    std::string sql;
};

std::vector<OraclePool> OraclePools();
