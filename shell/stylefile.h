#pragma once
// Style sheets come from files in the QSS/ folder beside the working folder. A file that cannot
// be read gives an empty sheet: the program then runs unstyled rather than not at all.
#include <QString>

QString ReadStyleFile(const QString &path);
