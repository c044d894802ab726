// Every event of the window's controls, connected to its handler (the menus connect theirs).
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include "app/form1.h"
#include "app/mapcanvas.h"

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // Command2 to Command5 never show, but a click on one still runs its command.
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &Form1::File1_DblClick);
    // The keyboard reaches what the mouse does: Return on the chosen entry loads it too.
    auto* loadChosen = new QShortcut(File1);
    loadChosen->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    loadChosen->setContext(Qt::WidgetShortcut);
    connect(loadChosen, &QShortcut::activated, this, &Form1::File1_DblClick);
    // The readout box follows every change of the tick, whoever makes it.
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Picture1, &MapCanvas::mouseMoved, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &MapCanvas::buttonReleased, this, &Form1::endStroke);

    // The bars do not track (see their construction), so valueChanged comes after an arrow or
    // trough click, a key press, or at the end of a thumb drag, never during the drag.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form1::VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Form1::VScroll2_Change);
}
