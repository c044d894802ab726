// The delay modes of the result animation, and quitting.
#include "app/form1.h"

void Form1::normal_Click()
{
    // Not built yet.
}

void Form1::Slow_Click()
{
    // Not built yet.
}

void Form1::tectonic_Click()
{
    // Not built yet.
}

void Form1::Quit_Click()
{
    // Not built yet.
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Ending a running animation at once is not built yet; an idle window just closes.
    QMainWindow::closeEvent(event);
}
