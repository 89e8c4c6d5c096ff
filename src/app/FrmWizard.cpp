#include "app/FrmWizard.h"

#include "app/SpinField.h"
#include "generate/AdvancedCycleWriter.h"
#include "maps/WizardFields.h"
#include "support/AppContext.h"
#include "support/platform/Prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace fw {
namespace {

QString fieldName(const WizardField& f)
{
    return WizardFields::groupName(f.group) + QLatin1Char('_') + QString::number(f.index);
}

// A frame of captioned number fields, one per member of group.
QGroupBox* numberFrame(const QString& title, WizardGroup group, QList<SpinField*>& fields)
{
    auto* frame = new QGroupBox(title);
    auto* grid = new QGridLayout(frame);
    for (const WizardField& f : WizardFields::members(group)) {
        auto* spin = new SpinField(f.minimum, f.maximum);
        spin->setObjectName(fieldName(f));
        spin->setToolTip(f.tooltip);
        spin->setMaximumWidth(spin->sizeHint().width() + 24);
        auto* label = new QLabel(f.caption);
        label->setBuddy(spin);
        grid->addWidget(label, f.index, 0);
        grid->addWidget(spin, f.index, 1);
        fields.append(spin);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return frame;
}

} // namespace

FrmWizard::FrmWizard(const ServerProfile& profile, AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_wizard(profile, context)
    , m_pages(new QStackedWidget)
    , m_maps(new QTableWidget(0, 3))
    , m_gameTypes(new QButtonGroup(this))
    , m_dmFlagSum(new QLineEdit)
{
    setObjectName(QStringLiteral("frmWizard"));
    setWindowTitle(QStringLiteral("Map Wizard"));
    // Left through Cancel or Finish only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_pages->addWidget(makeMapPage());
    m_pages->addWidget(makeOptionsPage());
    m_pages->addWidget(makePlayPage());

    auto* buttons = new QHBoxLayout;
    int index = 0;
    for (const char* caption : { "Help", "< Back", "Next >", "Finish", "Cancel" }) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        button->setObjectName(QStringLiteral("cmdNav_%1").arg(index));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdNav_Click(index); });
        m_nav.append(button);
        buttons->addWidget(button);
        if (index == 0)
            buttons->addStretch();
        ++index;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    // The hand-over's values, as the main window shows them.
    const WizardValues& values = m_wizard.values();
    for (int i = 0; i < m_limits.size(); ++i)
        m_limits[i]->setText(values.limits.value(i));
    for (int i = 0; i < m_movement.size(); ++i)
        m_movement[i]->setText(values.movement.value(i));
    showState();
    resize(std::max(sizeHint().width(), 660), std::max(sizeHint().height(), 420));
}

QWidget* FrmWizard::makeMapPage()
{
    m_maps->setObjectName(QStringLiteral("grdAvailableMaps"));
    m_maps->setHorizontalHeaderLabels(
        { QStringLiteral("Map Name"), QStringLiteral("Game Types"), QStringLiteral("Long Name") });
    m_maps->verticalHeader()->hide();
    m_maps->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_maps->setSelectionMode(QAbstractItemView::SingleSelection);
    m_maps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_maps->horizontalHeader()->setStretchLastSection(true);
    const QList<RotationRow>& rows = m_wizard.mapList();
    m_maps->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        m_maps->setItem(row, 0, new QTableWidgetItem(rows[row].mapName));
        m_maps->setItem(row, 1, new QTableWidgetItem(rows[row].gameTypes));
        m_maps->setItem(row, 2, new QTableWidgetItem(rows[row].longName));
    }
    m_maps->resizeColumnsToContents();
    for (int column = 0; column < 3; ++column)
        m_maps->setColumnWidth(column, std::max(m_maps->columnWidth(column), 150));
    connect(m_maps, &QTableWidget::cellClicked, this, [this] {
        m_wizard.mapListClicked();
        showState();
    });

    auto* frame = new QGroupBox(QStringLiteral("Available Maps:"));
    auto* box = new QVBoxLayout(frame);
    box->addWidget(new QLabel(
        QStringLiteral("Pick a map of the rotation, then press Next to give it its own settings.")));
    box->addWidget(m_maps, 1);
    return frame;
}

QWidget* FrmWizard::makeOptionsPage()
{
    auto* types = new QGroupBox(QStringLiteral("Type:"));
    auto* typeBox = new QVBoxLayout(types);
    for (const WizardField& f : WizardFields::members(WizardGroup::optGameType)) {
        auto* option = new QRadioButton(f.caption);
        option->setObjectName(fieldName(f));
        option->setToolTip(f.tooltip);
        m_gameTypes->addButton(option, f.index);
        typeBox->addWidget(option);
    }
    typeBox->addStretch();

    auto* flags = new QGroupBox(QStringLiteral("DMFlags:"));
    auto* flagBox = new QVBoxLayout(flags);
    for (const WizardField& f : WizardFields::members(WizardGroup::chkDMFlags)) {
        auto* box = new QCheckBox(f.caption);
        box->setObjectName(fieldName(f));
        connect(box, &QCheckBox::stateChanged, this, &FrmWizard::updateDmFlagSum);
        m_dmFlags.append(box);
        flagBox->addWidget(box);
    }
    m_dmFlagSum->setObjectName(QStringLiteral("txtDMFlags"));
    m_dmFlagSum->setReadOnly(true);
    m_dmFlagSum->setAlignment(Qt::AlignRight);
    m_dmFlagSum->setMaximumWidth(m_dmFlagSum->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    m_dmFlagSum->setText(QStringLiteral("0"));
    flagBox->addWidget(m_dmFlagSum);
    flagBox->addStretch();

    auto* page = new QGroupBox(QStringLiteral("Game Options"));
    auto* row = new QHBoxLayout(page);
    row->addWidget(types);
    row->addWidget(flags);
    row->addWidget(numberFrame(QStringLiteral("Limits:"), WizardGroup::GameLimit, m_limits));
    return page;
}

QWidget* FrmWizard::makePlayPage()
{
    auto* page = new QGroupBox(QStringLiteral("Game Play"));
    auto* box = new QVBoxLayout(page);
    box->addWidget(numberFrame(QStringLiteral("Movement:"), WizardGroup::txtMovement, m_movement));
    box->addStretch();
    return page;
}

void FrmWizard::updateDmFlagSum()
{
    collect();
    m_dmFlagSum->setText(QString::number(m_wizard.values().dmFlagSum()));
}

void FrmWizard::collect()
{
    WizardValues& values = m_wizard.values();
    values.gameType = m_gameTypes->checkedId();
    for (int i = 0; i < m_dmFlags.size(); ++i)
        values.dmFlags[i] = m_dmFlags[i]->isChecked();
    for (int i = 0; i < m_limits.size(); ++i)
        values.limits[i] = m_limits[i]->text();
    for (int i = 0; i < m_movement.size(); ++i)
        values.movement[i] = m_movement[i]->text();
}

void FrmWizard::showState()
{
    m_pages->setCurrentIndex(m_wizard.page() - 1);
    m_nav[MapWizard::Back]->setEnabled(m_wizard.backEnabled());
    m_nav[MapWizard::Next]->setEnabled(m_wizard.nextEnabled());
    m_nav[MapWizard::Finish]->setEnabled(m_wizard.finishEnabled());
}

void FrmWizard::cmdNav_Click(int index)
{
    collect();
    const MapWizard::Result result = m_wizard.press(MapWizard::Button(index), m_maps->currentRow());
    showState();
    if (result == MapWizard::Result::Stay)
        return;
    const bool finishing = result == MapWizard::Result::Finished;
    if (finishing && !saveCycle())
        return;
    m_done = true;
    emit finished(finishing ? m_wizard.cyclePath() : QString());
    close();
}

bool FrmWizard::saveCycle()
{
    if (!gbln_MakeAdvancedCycle(m_wizard.cyclePath(), m_wizard.cycle(), m_context))
        return false;
    m_context.prompter.inform(
        QStringLiteral("File has been Saved") + kEightBlanks, QStringLiteral("Advanced Map Cycle"));
    return true;
}

QPushButton* FrmWizard::navButton(int index) const
{
    return m_nav.value(index);
}

void FrmWizard::closeEvent(QCloseEvent* event)
{
    if (!m_done)
        event->ignore();
}

void FrmWizard::reject()
{
    // Escape asks as Cancel does.
    cmdNav_Click(MapWizard::Cancel);
}

} // namespace fw
