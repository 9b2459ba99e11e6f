#include "ui/StartPanel.h"

#include "overlay/DefinitionSource.h"
#include "overlay/FormatText.h"
#include "sheets/cmcCellObj.h"
#include "ui/BodyLines.h"
#include "ui/cuiMenu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::unique_ptr<cmcCellObj> ParseCell(IDefinitionSource& definitions, const std::string& line) {
    auto cell = std::make_unique<cmcCellObj>();
    cell->Parse(line, nullptr, nullptr, definitions);
    return cell;
}

} // namespace

StartPanel::StartPanel(QWidget* parent, IDefinitionSource& definitions, ICellBehaviour& behaviour)
    : QWidget(parent), m_definitions(definitions), m_behaviour(behaviour) {
    setObjectName(QStringLiteral("StartPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(10);
    auto* heading = new QLabel(Q(ui::JoinedLines(definitions, "GI_StartPanel_Title")), this);
    heading->setTextFormat(Qt::PlainText);
    QFont bigger = heading->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.2);
    heading->setFont(bigger);
    column->addWidget(heading);
    for (const std::string& line : ui::ReadBodyLines(definitions, "GI_StartPanel_Body")) {
        column->addWidget(AddButton(ParseCell(definitions, line)), 0, Qt::AlignLeft);
    }
    column->addSpacing(12);
    auto* portRow = new QHBoxLayout;
    m_port = new QLabel(this);
    m_port->setTextFormat(Qt::PlainText);
    portRow->addWidget(m_port);
    portRow->addWidget(AddButton(ParseCell(definitions, definitions.GetLine("GI_StartPanel_Port", 1))));
    portRow->addStretch(1);
    column->addLayout(portRow);
    column->addStretch(1);
}

StartPanel::~StartPanel() = default;

QWidget* StartPanel::AddButton(std::unique_ptr<cmcCellObj> cell) {
    auto* button = new QPushButton(Q(std::string(cell->DisplayText())), this);
    cmcCellObj* raw = cell.get();
    m_cells.push_back(std::move(cell));
    connect(button, &QPushButton::clicked, this, [this, raw] { cuiMenu::Execute(*raw, m_behaviour); });
    return button;
}

void StartPanel::SetPort(const std::string& portName) {
    m_port->setText(Q(FormatText(m_definitions.GetLine("GI_StartPanel_Port", 0), {portName})));
}

QString StartPanel::PortText() const {
    return m_port->text();
}
