// Compiled with the engine's include path only; it must not compile.
#include <QtCore/QString>
#include <QString>
