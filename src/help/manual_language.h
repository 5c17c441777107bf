#pragma once

#include <QString>

namespace plc {

namespace manual {

// The language of the pages to show: the one the program speaks now, as its installed
// translation has it, when the manual has pages in it; the empty text (English) otherwise.
QString shownLanguage();

}  // namespace manual

}  // namespace plc
