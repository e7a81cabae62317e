// Must not compile: a headless library that includes a widget header.
#include <QtWidgets/QWidget>

int ViolatesTheLayering()
{
    return sizeof(QWidget);
}
