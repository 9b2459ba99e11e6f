#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class ICellBehaviour;
class IDefinitionSource;
class QLabel;
class cmcCellObj;

// What the right-hand side shows while no sheet is open: a heading, one button for each cell of the
// overlay's "GI_StartPanel_Body" (Read from Radio, Open, New), and the port in use with a button that
// changes it (the cell of line 1 of "GI_StartPanel_Port"). Every button runs its cell through the
// behaviour object, exactly as the menu item of the same cell does.
class StartPanel final : public QWidget {
public:
    // Everything borrowed must outlive the panel.
    StartPanel(QWidget* parent, IDefinitionSource& definitions, ICellBehaviour& behaviour);
    ~StartPanel() override;

    // Shows `portName` ("COM1 — simulated radio") as the port in use.
    void SetPort(const std::string& portName);
    QString PortText() const;

private:
    QWidget* AddButton(std::unique_ptr<cmcCellObj> cell);

    IDefinitionSource& m_definitions;
    ICellBehaviour& m_behaviour;
    std::vector<std::unique_ptr<cmcCellObj>> m_cells;
    QLabel* m_port = nullptr;
};
