#include "RowEditorFixture.h"

#include <QFocusEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

namespace {

// The width a control needs to show its text whole: a full box of digits,
// a button's caption, or what the control itself asks for.
int NeededWidth(const QWidget* control) {
    constexpr int kFrame = 8;
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->fontMetrics().horizontalAdvance(QString(box->maxLength(), QLatin1Char('8'))) +
               kFrame;
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->fontMetrics().horizontalAdvance(button->text()) + kFrame;
    return control->sizeHint().width();
}

// Every control lies inside the dialog, is wide enough for its text and
// overlaps no other, apart from the group frame around the frequency controls.
void ExpectNothingClippedOrOverlapping(const QDialog& dialog) {
    std::vector<const QWidget*> controls;
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && !child->inherits("QGroupBox"))
            controls.push_back(child);
    for (const QWidget* control : controls) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(dialog.rect().contains(control->geometry())) << name;
        EXPECT_GE(control->width(), NeededWidth(control)) << name;
        for (const QWidget* other : controls) {
            if (other != control) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << name << " / " << other->objectName().toStdString();
            }
        }
    }
}

bool SameBytes(const CChannel& a, const CChannel& b) {
    return std::memcmp(a.bytes, b.bytes, CChannel::kSize) == 0;
}

TEST(RowEditorLook, OneTgUv2RowAndSeveralTg6aRows) {
    RowEditorFixture uv2;
    CChannel named = UsedChannel(kTGUV2, 14550000, 14610000);
    named.SetNameText("REPT 1");
    named.SetToneSelection(13, true);
    uv2.Open(kTGUV2, {named});
    uv2.Edit({0}).show();
    SaveScreenshot(*uv2.dlg, QStringLiteral("row-editor-tguv2"));
    ExpectNothingClippedOrOverlapping(*uv2.dlg);

    RowEditorFixture g6a;
    CChannel low = UsedChannel(kTG6A, 43500000, 43500000);
    low.SetPowerText("Low");
    g6a.Open(kTG6A, {UsedChannel(kTG6A, 43500000, 43900000), low});
    g6a.Edit({0, 1}).show();
    SaveScreenshot(*g6a.dlg, QStringLiteral("row-editor-tg6a"));
    ExpectNothingClippedOrOverlapping(*g6a.dlg);
}

TEST(RowEditorForm, OneUsedRowShowsEveryValueWithKeepBoxesOff) {
    RowEditorFixture f;
    std::vector<CChannel> records(13, EmptyChannel(kTGUV2));
    records[12] = UsedChannel(kTGUV2, 43912500, 43412500);
    records[12].SetNameText("AB    ");
    records[12].SetFrequencies(43912500, 43412500, 9, 4, kTGUV2);
    records[12].SetPowerText("Mid");
    f.Open(kTGUV2, records);
    f.Edit({12});
    EXPECT_EQ(f.RowsText(), QStringLiteral("Selected row: 12"));
    EXPECT_EQ(f.Box("txEdit")->text(), QStringLiteral("434.12500"));
    EXPECT_EQ(f.Box("nameEdit")->text(), QStringLiteral("AB"));
    EXPECT_EQ(f.List("stepList")->currentText(), QStringLiteral("100"));
    EXPECT_EQ(f.List("powerList")->currentText(), QStringLiteral("Mid"));
    EXPECT_EQ(f.List("busySetList")->currentIndex(), -1);
    for (QCheckBox* keep : f.dlg->findChildren<QCheckBox*>())
        EXPECT_FALSE(keep->isChecked() || keep->isEnabled()) << keep->objectName().toStdString();
    EXPECT_FALSE(f.Button("newButton")->isEnabled());
}

TEST(RowEditorForm, SeveralRowsShowSharedValuesAndKeepDifferingOnes) {
    RowEditorFixture f;
    std::vector<CChannel> records(8, UsedChannel(kTGUV2, 14500000, 14560000));
    records[3].SetFrequencies(14500000, 0, 0, 2, kTGUV2);
    records[4].SetPowerText("Low");
    for (int row : {5, 6})
        records[static_cast<std::size_t>(row)].SetNameText("AB    ");
    records[7].SetNameText("CD    ");
    f.Open(kTGUV2, records);
    f.Edit({3, 4, 5, 6});
    EXPECT_EQ(f.RowsText(), QStringLiteral("Selected rows: 3 - 6"));
    EXPECT_FALSE(f.Button("nextButton")->isEnabled() || f.Button("prevButton")->isEnabled());
    // Row 3 has no TX and takes row 4's; the rows differ in power and in name.
    EXPECT_EQ(f.Box("txEdit")->text(), QStringLiteral("145.60000"));
    EXPECT_FALSE(f.Keep("tx")->isChecked());
    EXPECT_TRUE(f.Keep("power")->isChecked() && f.Keep("power")->isEnabled());
    EXPECT_FALSE(f.List("powerList")->isEnabled());
    EXPECT_EQ(f.List("powerList")->currentIndex(), -1);
    EXPECT_TRUE(f.Keep("name")->isChecked());
    f.Edit({5, 6});
    EXPECT_EQ(f.Box("nameEdit")->text(), QStringLiteral("AB"));
    f.Edit({6, 7});
    EXPECT_TRUE(f.Keep("name")->isChecked());
    f.Edit({2, 3});
    EXPECT_TRUE(f.Keep("tx")->isChecked()) << "a TX after one without differs";
}

TEST(RowEditorForm, KeepBoxDecidesWhetherEverySelectedRowGetsTheFormValue) {
    for (bool untick : {false, true}) {
        RowEditorFixture f;
        std::vector<CChannel> records(3, UsedChannel(kTGUV2, 14500000, 14500000));
        records[2].SetPowerText("Low");
        f.Open(kTGUV2, records);
        f.Edit({0, 2});
        if (untick) {
            f.Keep("power")->click();
            EXPECT_TRUE(f.List("powerList")->isEnabled());
            EXPECT_EQ(f.List("powerList")->currentText(), QStringLiteral("High"));
            f.List("powerList")->setCurrentIndex(1);
        }
        f.dlg->accept();
        EXPECT_EQ(f.dlg->result(), QDialog::Accepted);
        EXPECT_EQ(f.Record(0).GetPowerText(), untick ? "Mid" : "High");
        EXPECT_EQ(f.Record(1).GetPowerText(), "High") << "not selected";
        EXPECT_EQ(f.Record(2).GetPowerText(), untick ? "Mid" : "Low");
    }
}

TEST(RowEditorForm, SharedRxReachesEveryRowOnlyWhenEveryRowPasses) {
    RowEditorFixture f;
    CChannel coarse = UsedChannel(kTGUV2, 14500000, 14560000);
    coarse.SetFrequencies(14500000, 14560000, 3, 2, kTGUV2);
    CChannel offStep = UsedChannel(kTGUV2, 14500000, 14500000);
    offStep.SetFrequencies(14500300, 14500300, 0, 2, kTGUV2);
    f.Open(kTGUV2, {coarse, UsedChannel(kTGUV2, 14500000, 14440000),
                    UsedChannel(kTGUV2, 14500000, 43500000), offStep});
    const CChannel before = f.Record(0);

    f.Edit({0, 1, 2});
    ASSERT_TRUE(f.Keep("tx")->isChecked() && f.Keep("step")->isChecked());
    f.Box("rxEdit")->setText(QStringLiteral("145.2"));
    f.dlg->accept();
    EXPECT_EQ(f.Messages().back(), QStringLiteral("Frequencies should be in the same range!"));
    EXPECT_TRUE(SameBytes(f.Record(0), before));

    f.Edit({0, 1});
    f.Box("rxEdit")->setText(QStringLiteral("145.2"));
    f.dlg->accept();
    EXPECT_EQ(f.Record(0).GetFreqText(true), "145.20000");
    EXPECT_EQ(f.Record(0).GetFreqText(false), "145.60000");
    EXPECT_EQ(f.Record(0).GetStepText(), "12.5");
    EXPECT_EQ(f.Record(0).bytes[13], 1) << "TX above RX";
    EXPECT_EQ(f.Record(0).bytes[10], 40) << "400 kHz offset";
    EXPECT_EQ(f.Record(1).GetFreqText(false), "144.40000");
    EXPECT_EQ(f.Record(1).bytes[13], 2) << "TX below RX";

    // RX, TX and step all kept: each row must still pass with its own values.
    const CChannel first = f.Record(0);
    f.Edit({0, 3});
    ASSERT_TRUE(f.Keep("rx")->isChecked() && f.Keep("tx")->isChecked());
    f.dlg->accept();
    EXPECT_EQ(f.Messages().back(), QStringLiteral("Rx frequency and step do not match!"));
    EXPECT_TRUE(SameBytes(f.Record(0), first));
}

// What a new channel at 145 MHz holds, by model.
void ExpectNewChannel(const CChannel& record, RadioModel model) {
    EXPECT_EQ(record.GetFreqText(true) + record.GetFreqText(false), "145.00000145.00000");
    EXPECT_EQ(record.GetStepText(), "5");
    EXPECT_EQ(record.GetToneSelection(true) + record.GetToneSelection(false), 0);
    EXPECT_EQ(record.GetReverseText() + record.GetPowerText() + record.GetScrambleText() +
                  record.GetWidthText(),
              "OFFHighOFFWide");
    EXPECT_EQ(model == kTGUV2 ? record.GetScanText() : record.GetBusySetText(),
              model == kTGUV2 ? "On" : "OFF");
}

TEST(RowEditorForm, EmptyRowsAreBlankUntilNewOrOpenWithDefaultsInNewMode) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture f;
        f.Open(model, {}, false);
        f.Edit({3});
        EXPECT_TRUE(f.Button("newButton")->isEnabled());
        EXPECT_FALSE(f.Box("rxEdit")->isEnabled());
        EXPECT_EQ(f.List("stepList")->currentIndex(), -1);
        f.dlg->accept();
        EXPECT_TRUE(f.Record(3).IsEmpty());

        f.Edit({3});
        f.Button("newButton")->click();
        EXPECT_FALSE(f.Button("newButton")->isEnabled());
        f.Box("rxEdit")->setText(QStringLiteral("145"));
        f.dlg->OnRxKillFocus();
        f.dlg->accept();
        ExpectNewChannel(f.Record(3), model);

        f.Edit({5, 6}, true);
        f.Box("rxEdit")->setText(QStringLiteral("145"));
        f.Box("txEdit")->setText(QStringLiteral("145"));
        f.dlg->accept();
        ExpectNewChannel(f.Record(5), model);
        ExpectNewChannel(f.Record(6), model);
    }
}

TEST(RowEditorForm, UsedAndEmptyRowTogetherFillTheEmptyOneAndPadTheName) {
    RowEditorFixture f;
    f.Open(kTGUV2, {UsedChannel(kTGUV2, 14500000, 14500000)});
    f.Edit({0, 1});
    f.Box("nameEdit")->setText(QStringLiteral("AB"));
    f.dlg->accept();
    EXPECT_EQ(f.Record(1).GetFreqText(true), "145.00000");
    EXPECT_EQ(f.Record(0).GetNameText() + f.Record(1).GetNameText(), "AB    AB    ");
}

TEST(RowEditorForm, LeavingRxCopiesItOnlyIntoAnEmptyEnabledTx) {
    RowEditorFixture f;
    f.Open(kTGUV2,
           {UsedChannel(kTGUV2, 14500000, 14560000), UsedChannel(kTGUV2, 14500000, 14440000)});
    f.Edit({0});
    QLineEdit* rx = f.Box("rxEdit");
    rx->setText(QStringLiteral("146"));
    // A context menu or a message box takes the focus only for a moment.
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent glance(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(rx, &glance);
        EXPECT_EQ(rx->text(), QStringLiteral("146"));
    }
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(rx, &leave);
    EXPECT_EQ(rx->text(), QStringLiteral("146.00000"));
    EXPECT_EQ(f.Box("txEdit")->text(), QStringLiteral("145.60000"));

    f.Edit({0, 1});
    f.Box("rxEdit")->setText(QStringLiteral("146"));
    f.dlg->OnRxKillFocus();
    EXPECT_EQ(f.Box("rxEdit")->text(), QStringLiteral("146.00000"));
    EXPECT_TRUE(f.Box("txEdit")->text().isEmpty()) << "TX is kept, so disabled";
}

TEST(RowEditorForm, EnterInRxValidatesTheTextAsTyped) {
    RowEditorFixture f;
    f.Open(kTGUV2, {UsedChannel(kTGUV2, 14500000, 14500000)});
    f.Edit({0}).show();
    f.Box("rxEdit")->setText(QStringLiteral("145.001"));
    QTest::keyClick(f.Box("rxEdit"), Qt::Key_Return);
    EXPECT_EQ(f.Messages().back(), QStringLiteral("Rx frequency and step do not match!"));
    EXPECT_TRUE(f.dlg->isVisible());
    EXPECT_EQ(f.Box("rxEdit")->text(), QStringLiteral("145.001"));
}

TEST(RowEditorForm, CancelEscapeAndCloseBoxChangeNothing) {
    for (int way = 0; way < 3; ++way) {
        RowEditorFixture f;
        f.Open(kTGUV2, {UsedChannel(kTGUV2, 14500000, 14500000)});
        f.Edit({0}).show();
        f.List("powerList")->setCurrentIndex(2);
        if (way == 0)
            f.Button("cancelButton")->click();
        else if (way == 1)
            QTest::keyClick(f.dlg.get(), Qt::Key_Escape);
        else
            f.dlg->close();
        EXPECT_FALSE(f.dlg->isVisible()) << way;
        EXPECT_EQ(f.dlg->result(), QDialog::Rejected) << way;
        EXPECT_EQ(f.Record(0).GetPowerText(), "High") << way;
    }
}

TEST(RowEditorForm, ModelsNeverOfferSettingsTheyLack) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture f;
        f.Open(model,
               {UsedChannel(model, 43500000, 43500000), UsedChannel(model, 43600000, 43500000)});
        const std::vector<std::string> lacking =
            model == kTGUV2 ? std::vector<std::string>{"busySetList"}
                            : std::vector<std::string>{"nameEdit", "scanAddList"};
        for (const std::vector<int>& rows : {std::vector<int>{0}, {5}, {0, 1}}) {
            f.Edit(rows);
            for (bool pressNew : {false, true}) {
                if (pressNew)
                    f.dlg->OnNew();
                for (const std::string& field : lacking) {
                    const std::string setting = field.substr(0, field.size() - 4);
                    EXPECT_FALSE(f.Get<QWidget>(field.c_str())->isEnabled()) << field;
                    EXPECT_FALSE(f.Keep(setting.c_str())->isEnabled()) << field;
                }
            }
        }
    }
}

} // namespace
