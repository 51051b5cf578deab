#include "SortDlg.h"

#include "Translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

CSortDlg::CSortDlg(RadioModel model, QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Sort"));
    setObjectName(QStringLiteral("sortDialog"));
    m_comboKey = new QComboBox(this);
    m_comboKey->setObjectName(QStringLiteral("sortByList"));
    m_comboKey->insertItem(0, TrColumn("RX Freq"), QVariant::fromValue(int(SortKey::kRxFreq)));
    m_comboKey->insertItem(1, TrColumn("TX Freq"), QVariant::fromValue(int(SortKey::kTxFreq)));
    if (model == kTGUV2)
        m_comboKey->insertItem(2, TrColumn("Name"), QVariant::fromValue(int(SortKey::kName)));
    m_comboKey->setCurrentIndex(0);
    m_checkDescending = new QCheckBox(tr("Descending"), this);
    m_checkDescending->setObjectName(QStringLiteral("descendingBox"));

    auto* form = new QFormLayout;
    form->addRow(tr("Sort by:"), m_comboKey);
    form->addRow(QString(), m_checkDescending);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SortKey CSortDlg::Key() const { return static_cast<SortKey>(m_comboKey->currentData().toInt()); }

bool CSortDlg::IsDescending() const { return m_checkDescending->isChecked(); }
