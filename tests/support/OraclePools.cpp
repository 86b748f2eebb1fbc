#include "OraclePools.h"

namespace {

// Keys as SQLite reads numbers: plain, past 32 bits, and text with and
// without a leading number.
std::string Key(int i)
{
    switch (i % 6) {
    case 0:
        return std::to_string(i * 1000000007LL);
    case 1:
        return "'" + std::to_string(i) + "abc'";
    case 2:
        return "'q" + std::to_string(i) + "'";
    case 3:
        return "' -" + std::to_string(i) + "'";
    case 4:
        return "'\t.5e1'";
    default:
        return std::to_string(i);
    }
}

std::string Row(const std::string& key, const std::string& number, const std::string& question,
                const std::string& extra)
{
    return "INSERT INTO BOOK1 VALUES(" + key + ",'s'," + number + ",'B','" + question + "','a','b','c','d'," + extra +
           ");";
}

OraclePool Pool(const std::string& name, int rows, int distinctNumbers)
{
    std::string sql = "CREATE TABLE BOOK1(id, c1 TEXT, num, correct TEXT, Question TEXT, a TEXT, b TEXT,"
                      " c TEXT, d TEXT, diagram TEXT, folder TEXT, c11, c12); BEGIN;";
    for (int i = 1; i <= rows; ++i) {
        const int number = (i - 1) % distinctNumbers + 1;
        const std::string quoted = number % 7 == 3 ? std::to_string(number) : "'" + std::to_string(number) + "'";
        const std::string question =
            i % 5 == 0 ? "Ω at 10 °C ± é " + std::to_string(i) : "Question " + std::to_string(i);
        const std::string extra = i % 3 == 0 ? "NULL,'',2.5,'12abc'" : "'d" + std::to_string(i) + ".bmp','f',NULL,7";
        sql += Row(Key(i), quoted, question, extra);
    }
    return {name, rows, sql + "COMMIT;"};
}

} // namespace

std::vector<OraclePool> OraclePools()
{
    return {Pool("empty", 0, 1),
            Pool("one row", 1, 1),
            Pool("two rows", 2, 2),
            Pool("nine rows", 9, 9),
            Pool("repeated numbers", 40, 13),
            Pool("hundred and twenty", 120, 120)};
}
