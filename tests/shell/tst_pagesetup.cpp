#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/marginfield.h"
#include "shell/pagesetupdialog.h"
#include "tests/shell/programfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Runs "Oldalbeállítás..." and lets edit work on the open dialog.
void RunPageSetup(TProgram& program, const std::function<void(TPageSetupDialog*)>& edit) {
    const TAnswerModal answer([&edit](QWidget* modal) {
        auto* dialog = qobject_cast<TPageSetupDialog*>(modal);
        QVERIFY(dialog);
        edit(dialog);
        if (dialog->isVisible())
            dialog->close();
    });
    Click(program.Action("m_PageSetup"));
}

void Type(TMarginField* field, const QString& text) {
    field->findChild<QLineEdit*>()->setText(text); // as pasted: anything gets in
}

} // namespace

class TestPageSetup : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // Whatever face stands in for "MS Sans Serif", and whatever the screen's
    // density, every label shows its whole text and nothing overlaps.
    void labelsShowTheirWholeTextAndNothingOverlaps() {
        TProgram program({});
        program.Start();
        RunPageSetup(program, [](TPageSetupDialog* dialog) {
            QList<QRect> taken;
            for (QWidget* child : dialog->findChildren<QWidget*>()) {
                const bool label = qobject_cast<QLabel*>(child);
                if (!label && !qobject_cast<TMarginField*>(child) && !qobject_cast<QAbstractButton*>(child))
                    continue;
                const QRect place(child->mapTo(dialog, QPoint(0, 0)), child->size());
                QVERIFY2(dialog->rect().contains(place), qPrintable(child->objectName()));
                if (label) {
                    const QString text = static_cast<QLabel*>(child)->text();
                    QVERIFY2(child->fontMetrics().horizontalAdvance(text) <= child->width(), qPrintable(text));
                }
                if (auto* box = qobject_cast<QCheckBox*>(child)) // its mark and its whole text
                    QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
                for (const QRect& other : taken)
                    QVERIFY2(!other.intersects(place), qPrintable(child->objectName()));
                taken << place;
            }
            QCOMPARE(taken.size(), 15);
            qInfo() << "font height" << dialog->fontMetrics().height() << "dialog" << dialog->size();
        });
    }

    void opensWithTheMarginsAndReadsEachFieldAsAStoredInteger() {
        TProgram program({});
        program.Start();
        QStringList shown;
        RunPageSetup(program, [&shown](TPageSetupDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Oldalbeállítás"));
            QCOMPARE(dialog->size(), QSize(289, 138));
            for (TMarginField* field : {dialog->e_Top, dialog->e_Bottom, dialog->e_Left, dialog->e_Right})
                shown << field->text();
            Type(dialog->e_Top, "");
            Type(dialog->e_Bottom, "abc");
            Type(dialog->e_Left, "-5");
            Type(dialog->e_Right, "12,5");
            QTest::mouseClick(dialog->b_OK, Qt::LeftButton);
        });
        QCOMPARE(shown, (QStringList{"15", "15", "15", "15"}));
        QCOMPARE(program.Main->PageMargins(), (TPageMargins{-5, 0, 0, 0}));
        QVERIFY(Contains(program.SettingsFileText(), "\"MarginTop\"=\"0\"\r\n\"MarginBottom\"=\"0\"\r\n"
                                                     "\"MarginLeft\"=\"-5\"\r\n\"MarginRight\"=\"0\"\r\n"));
        RunPageSetup(program, [](TPageSetupDialog* dialog) {
            Type(dialog->e_Top, " $1F");
            QTest::keyClick(dialog->e_Top, Qt::Key_Return); // Enter presses OK
        });
        QCOMPARE(program.Main->PageMargins().Top, 31);
    }

    void stepsByOneAndRefusesTypedLetters() {
        TProgram program({});
        program.Start();
        RunPageSetup(program, [](TPageSetupDialog* dialog) {
            dialog->e_Top->setFocus();
            QTest::keyClick(dialog->e_Top, Qt::Key_Up);
            QCOMPARE(dialog->e_Top->text(), QString("16"));
            Type(dialog->e_Bottom, "betűk");
            dialog->e_Bottom->stepUp();
            QCOMPARE(dialog->e_Bottom->text(), QString("1"));
            QTest::keyClick(dialog->e_Left, Qt::Key_Down);
            QCOMPARE(dialog->e_Left->text(), QString("14"));
            Type(dialog->e_Right, "");
            QTest::keyClicks(dialog->e_Right, "a-1b2");
            QCOMPARE(dialog->e_Right->text(), QString("-12"));
            QTest::mouseClick(dialog->b_OK, Qt::LeftButton);
        });
        QCOMPARE(program.Main->PageMargins(), (TPageMargins{14, 16, -12, 1}));
    }

    void cancelKeepsTheMarginsAndStillWritesThemAndEscapeDoesNotClose() {
        TProgram program({});
        program.Start();
        bool stayedOpen = false;
        RunPageSetup(program, [&stayedOpen](TPageSetupDialog* dialog) {
            Type(dialog->e_Top, "99");
            QTest::keyClick(dialog, Qt::Key_Escape);
            stayedOpen = dialog->isVisible();
            QTest::mouseClick(dialog->b_Cancel, Qt::LeftButton);
        });
        QVERIFY(stayedOpen);
        QCOMPARE(program.Main->PageMargins(), TPageMargins{});
        QVERIFY(Contains(program.SettingsFileText(), "\"MarginTop\"=\"15\""));
        QStringList reopened;
        RunPageSetup(program, [&reopened](TPageSetupDialog* dialog) { reopened << dialog->e_Top->text(); });
        QCOMPARE(reopened, QStringList{"15"}); // refilled from the margins, not left from the cancelled edit
    }
};

VIVIRA_TEST_MAIN(TestPageSetup)
#include "tst_pagesetup.moc"
