#pragma once

#include <QString>

namespace bks {

// Where a data file installed with the program lies: beside the program in
// the build tree (data/NAME), else where the package puts it
// (../share/bokushomaru/NAME from the program's folder).
QString installedDataFile(const QString &name);

}  // namespace bks
