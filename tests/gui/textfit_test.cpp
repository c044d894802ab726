// Every caption, check box text, frame title and label fits its control without clipping, in the
// application's font and style, on whichever platform the test runs (offscreen or X).
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "app/appearance.h"
#include "guitest.h"

namespace {

// The room the style leaves a button's or a check box's text.
QRect textRoom(QAbstractButton* control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    option.text = control->text();
    const bool isCheckBox = qobject_cast<QCheckBox*>(control) != nullptr;
    return control->style()->subElementRect(
        isCheckBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, control);
}

QString fitReport(const QString& name, const QString& text, QSize needed, QSize room)
{
    return QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
        .arg(name, text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;

    void expectFit(const QString& name, const QString& text, QSize needed, QSize room)
    {
        const QString report = fitReport(name, text, needed, room);
        qInfo().noquote() << report;
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(), qPrintable(report));
    }

  private slots:
    void initTestCase()
    {
        qInfo().noquote() << "measured on the" << QGuiApplication::platformName() << "platform";
        window = GuiTest::createWindow();
        window->show();
    }

    void theChosenFontIsInstalled()
    {
        const QFontInfo used(window->Check1->font());
        QCOMPARE(used.family(), QString::fromLatin1(ApplicationFontFamily));
        QCOMPARE(used.pixelSize(), ApplicationFontPixels);
    }

    void buttonsAndCheckBoxes_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                 "Check1", "Check2", "Check3", "Check4"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void buttonsAndCheckBoxes()
    {
        QFETCH(QString, name);
        auto* control = window->findChild<QAbstractButton*>(name);
        QVERIFY(control);
        const QFontMetrics metrics(control->font());
        const QRect room = textRoom(control);
        expectFit(name, control->text(), metrics.size(Qt::TextSingleLine, control->text()), room.size());
        QVERIFY2(control->rect().contains(room), qPrintable(name));
    }

    // The statistics labels also hold what a search writes into them.
    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1 at start") << "Label1" << QString();
        QTest::newRow("Label1 after a long search") << "Label1"
                                                    << "Time to compute: 99999 milliseconds";
        QTest::newRow("Label2 at start") << "Label2" << QString();
        QTest::newRow("Label2 after a search") << "Label2"
                                               << "Path length: 10200";
        QTest::newRow("Label2 after a failed search") << "Label2"
                                                      << "Path length: none";
        QTest::newRow("Label3") << "Label3" << QString();
    }

    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const auto* label = window->findChild<QLabel*>(name);
        QVERIFY(label);
        if (text.isEmpty())
            text = label->text();
        const QFontMetrics metrics(label->font());
        const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine);
        const QRect room = label->contentsRect();
        const QSize needed = metrics.boundingRect(room, flags, text).size();
        expectFit(name, text, needed, room.size());
    }

    // A frame's title lies inside the frame and above the first control it holds.
    void frameTitles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("firstControl");
        QTest::newRow("Frame1") << "Frame1"
                                << "Check1";
        QTest::newRow("Frame2") << "Frame2"
                                << "Label1";
    }

    void frameTitles()
    {
        QFETCH(QString, name);
        QFETCH(QString, firstControl);
        auto* frame = window->findChild<QGroupBox*>(name);
        QVERIFY(frame);
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QSize needed = QFontMetrics(frame->font()).size(Qt::TextSingleLine, frame->title());
        expectFit(name, frame->title(), needed, title.size());
        QVERIFY2(frame->rect().contains(title), qPrintable(name));
        QVERIFY2(title.bottom() < frame->findChild<QWidget*>(firstControl)->geometry().top(),
                 qPrintable(name));
    }
};

QTEST_MAIN(TextFitTest)
#include "textfit_test.moc"
