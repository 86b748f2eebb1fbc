#include "Counted.h"

namespace form {

QString Counted(long long count, const char* noun)
{
    return QString("%1 %2%3").arg(count).arg(noun).arg(count == 1 ? "" : "s");
}

} // namespace form
