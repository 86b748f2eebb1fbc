#pragma once
// A number with its noun, one or more: "1 minute", "2 minutes". The nouns
// counted on screen all take an "s".

#include <QString>

namespace form {

QString Counted(long long count, const char* noun);

} // namespace form
