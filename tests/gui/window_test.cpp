// The window at start: every control at its place with its text, tool tip and state, the menus,
// the tab order, the accessible names and the icon.
#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "app/mapcanvas.h"
#include "guitest.h"
#include "icon/roadsignicon.h"
#include "picture/mapgeometry.h"

namespace {

QString textOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    return {};
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;

  private slots:
    void init() { window = GuiTest::createWindow(); }
    void cleanup() { window.reset(); }

    void clientAreaIsFixedAndWindowCentred()
    {
        QCOMPARE(window->centralWidget()->size(), QSize(777, 537));
        QVERIFY(window->windowTitle().startsWith(QLatin1String("Pathfinding Algorithm")));
        window->show();
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->centralWidget()->geometry().top(), window->menuBar()->geometry().bottom() + 1);
        const QPoint screenCentre = window->screen()->availableGeometry().center();
        QVERIFY2((window->geometry().center() - screenCentre).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("window centre (%1, %2), screen centre (%3, %4)")
                                .arg(window->geometry().center().x())
                                .arg(window->geometry().center().y())
                                .arg(screenCentre.x())
                                .arg(screenCentre.y())));
    }

    void control_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("shown");
        const QString client = QStringLiteral("client");
        const QString frame1 = QStringLiteral("Frame1");
        const QString frame2 = QStringLiteral("Frame2");
        auto row = [](const char* name, const QString& parent, QRect geometry, const char* text,
                      const char* tip, bool shown) {
            QTest::newRow(name) << parent << geometry << QString::fromUtf8(text) << QString::fromUtf8(tip)
                                << shown;
        };
        row("Picture1", client, {14, 14, 501, 501}, "", "", true);
        row("Command1", client, {546, 273, 225, 50}, "Pathfind!",
            "Click here to make the algorithm find a path from the startpoint to the endpoint.", true);
        row("Frame1", client, {539, 14, 232, 113}, "Options", "", true);
        row("Text1", client, {539, 28, 36, 22}, "", "", false);
        row("Frame2", client, {539, 133, 232, 64}, "Path Statistics", "", true);
        row("Label3", client, {546, 210, 218, 43},
            "Use the mouse to draw new walls in the pathfinding area. Compute a path by clicking the "
            "Pathfind "
            "button below.",
            "", true);
        row("HScroll1", client, {14, 0, 505, 15}, "", "", false);
        row("HScroll2", client, {0, 14, 15, 505}, "", "", false);
        row("VScroll1", client, {518, 14, 15, 505}, "", "", false);
        row("VScroll2", client, {14, 518, 505, 15}, "", "", false);
        row("File1", client, {546, 329, 225, 162}, "", "", false);
        row("Command6", client, {679, 497, 92, 22}, "Close load list", "", false);
        row("Check1", frame1, {7, 21, 218, 15}, "Show node distance next to mouse cursor",
            "When checked, a box showing a square's distance from the start will be shown when you drag the "
            "mouse over the map.",
            true);
        row("Check2", frame1, {7, 42, 78, 15}, "Show path",
            "When checked, the final path will be shown in blue", true);
        row("Check3", frame1, {7, 63, 120, 15}, "Show distance rings",
            "When checked, the red distance rings, showing each square's distance from the start, will be "
            "shown.",
            true);
        row("Check4", frame1, {7, 84, 211, 15}, "Clear paths and rings automatically",
            "When checked, the map will clear any paths and rings before it makes new ones.", true);
        row("Command4", frame1, {7, 140, 106, 22}, "Save this map", "Click here to save the current map.",
            false);
        row("Command5", frame1, {119, 140, 106, 22}, "Load a map", "Click here to load a different map.",
            false);
        row("Command2", frame1, {7, 175, 218, 29}, "Clear any user-created walls",
            "Click here to erase any walls you drew.", false);
        row("Command3", frame1, {7, 217, 218, 29}, "Clear any paths and rings",
            "Click here to clear any paths or rings that were drawn on the map.", false);
        row("Label1", frame2, {14, 21, 190, 15},
            "Time to compute:", "This area shows how long the algorithm took to compute the path.", true);
        row("Label2", frame2, {14, 35, 197, 15},
            "Path length:", "This area shows the length, in grid squares, of the path the algorithm found.",
            true);
    }

    void control()
    {
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(bool, shown);
        window->show();
        const auto* control = window->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(textOf(control), text);
        QCOMPARE(control->toolTip(), toolTip);
        QCOMPARE(control->isVisible(), shown);
        // A name of its own, or its text, which screen readers read when it has none.
        QVERIFY2(!QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control))
                      ->text(QAccessible::Name)
                      .isEmpty(),
                 "every control has an accessible name");
    }

    void optionsAndStatisticsInTheirStartState()
    {
        QVERIFY(!window->Check1->isChecked());
        QVERIFY(window->Check2->isChecked());
        QVERIFY(!window->Check3->isChecked());
        QVERIFY(window->Check4->isChecked());
        QVERIFY(window->Label3->wordWrap());
        QCOMPARE(window->File1->count(), 0);
        QCOMPARE(window->delayms, 0);
    }

    void barsHoldTheStartAndFinish_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("value");
        QTest::newRow("HScroll1") << int(Qt::Horizontal) << 5;
        QTest::newRow("HScroll2") << int(Qt::Vertical) << 5;
        QTest::newRow("VScroll1") << int(Qt::Vertical) << 87;
        QTest::newRow("VScroll2") << int(Qt::Horizontal) << 87;
    }

    void barsHoldTheStartAndFinish()
    {
        QFETCH(int, orientation);
        QFETCH(int, value);
        const auto* bar = window->findChild<QScrollBar*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(bar);
        QCOMPARE(int(bar->orientation()), orientation);
        QCOMPARE(bar->minimum(), 2);
        QCOMPARE(bar->maximum(), 97);
        QCOMPARE(bar->pageStep(), 1);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->value(), value);
    }

    void barChangesWhenAMoveIsCompleteNotDuringADrag()
    {
        QScrollBar* bar = window->HScroll1;
        QSignalSpy changes(bar, &QScrollBar::valueChanged);
        bar->setSliderDown(true);
        bar->setSliderPosition(40);
        bar->setSliderPosition(41);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(bar->value(), 5);
        bar->setSliderDown(false);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(bar->value(), 41);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(bar->value(), 41);
    }

    void pictureStartsEmpty()
    {
        const QImage& picture = window->Picture1->image();
        QCOMPARE(picture.size(), QSize(MapView::PictureSide, MapView::PictureSide));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (GuiTest::pixel(*window, x, y) != MapView::Background)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3")
                                         .arg(x)
                                         .arg(y)
                                         .arg(GuiTest::describe(GuiTest::pixel(*window, x, y)))));
    }

    void menusInOrderWithoutShortcutsOrMarks()
    {
        const QList<QPair<QString, QStringList>> expected = {
            {"File", {"Load Map", "Save Map", "Quit"}},
            {"Pathfind", {"Go!", "Clear Paths and Rings", "Clear Walls", "Move Start/Finish"}},
            {"Extras", {"Insert random noise", "Insert random blocks", "Invert Map"}},
            {"Delay", {"Normal", "Medium", "Very Slow"}},
        };
        const QList<QAction*> menus = window->menuBar()->actions();
        QCOMPARE(menus.size(), expected.size());
        for (int m = 0; m < menus.size(); ++m) {
            QCOMPARE(menus[m]->text(), expected[m].first);
            QStringList captions;
            for (const QAction* item : menus[m]->menu()->actions()) {
                captions << item->text();
                QVERIFY2(item->shortcut().isEmpty() && !item->text().contains(QLatin1Char('&')),
                         qPrintable(item->text()));
                QVERIFY(item->isEnabled() && item->isVisible() && !item->isChecked());
            }
            QCOMPARE(captions, expected[m].second);
        }
        QCOMPARE(window->movepoints->text(), QStringLiteral("Move Start/Finish"));
        QCOMPARE(window->Slow->text(), QStringLiteral("Medium"));
        QCOMPARE(window->tectonic->text(), QStringLiteral("Very Slow"));
    }

    void tabOrderFollowsTheLayout()
    {
        const QStringList expected = {"Picture1", "Command1", "Check1",   "Check2", "Check3",   "Command3",
                                      "Command4", "Command2", "Text1",    "Check4", "Command5", "HScroll1",
                                      "HScroll2", "VScroll1", "VScroll2", "File1",  "Command6"};
        QStringList order;
        QWidget* widget = window->Picture1;
        do {
            if (expected.contains(widget->objectName()))
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != window->Picture1 && order.size() <= expected.size());
        QCOMPARE(order, expected);
        // The distance readout keeps its place in the order but never takes the focus.
        for (const QString& name : expected)
            QVERIFY2(bool(window->findChild<QWidget*>(name)->focusPolicy() & Qt::TabFocus) !=
                         (name == "Text1"),
                     qPrintable(name));
    }

    void iconIsAYellowDiamondWithABlackArrow()
    {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
        const QImage sign = roadSignImage(64);
        QCOMPARE(qAlpha(sign.pixel(2, 2)), 0); // outside the diamond
        const QRgb face = sign.pixel(32, 52);  // below the arrow's foot
        QVERIFY(qRed(face) > 200 && qGreen(face) > 180 && qBlue(face) < 60);
        const QRgb arrow = sign.pixel(23, 40); // the arrow's stem
        QVERIFY(qRed(arrow) < 60 && qGreen(arrow) < 60 && qBlue(arrow) < 60 && qAlpha(arrow) == 255);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
