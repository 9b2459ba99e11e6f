#include "app/qt/WidgetSheetFactory.h"

#include "app/indEnviron.h"
#include "app/indMain.h"
#include "platform/qt/QtFontMetrics.h"
#include "sheets/qt/cuiFlector.h"
#include "sheets/qt/cuiGrid.h"
#include "sheets/qt/cuiSheet.h"
#include "sheets/qt/iuiSheet.h"
#include "ui/cuiMenu.h"

#include <QMenu>
#include <QPointer>
#include <utility>

namespace {

class WidgetSheet final : public IOpenSheet {
public:
    WidgetSheet(iuiSheet* sheet, std::string argument) : m_sheet(sheet), m_argument(std::move(argument)) {}
    ~WidgetSheet() override { delete m_sheet.data(); }

    QWidget* Widget() override { return m_sheet; }
    const std::string& Key() const override { return m_sheet->Key(); }
    const std::string& SourceArgument() const override { return m_argument; }
    SheetPosition Position() const override { return m_sheet->CurrentPosition(); }
    bool Printable() const override { return m_sheet->Printable(); }
    std::optional<CellIdentity> CurrentCell() const override {
        const GridPos at = m_sheet->Current();
        const SheetLayout& layout = m_sheet->Layout();
        if (at.column < 0 || at.row < 0 || at.column >= layout.ColumnCount() || at.row >= layout.RowCount()) {
            return std::nullopt;
        }
        return layout.Slot(at.column, at.row).Cell().Identity();
    }
    void JumpToCell(const CellIdentity& cell) override { m_sheet->JumpToCell(cell.category, cell.kind, cell.index); }
    QSize NeededSize() const override { return m_sheet->NeededSize(); }
    bool FocusGrid() override {
        QWidget& grid = m_sheet->Grid();
        if (!grid.isVisible() || !grid.isEnabled()) {
            return false;
        }
        grid.setFocus();
        return true;
    }

private:
    QPointer<iuiSheet> m_sheet;
    std::string m_argument;
};

// A sheet bound to a printer, measured with the printer's font metrics.
class WidgetPrintSheet final : public IPrintSheet {
public:
    explicit WidgetPrintSheet(const SheetPrintTarget& target) : m_metrics(target.device) {}
    ~WidgetPrintSheet() override { delete m_sheet.data(); }

    void Build(SheetEnv& env,
               QWidget* host,
               const std::string& key,
               const std::string& parameter,
               const ChannelSheetState& state,
               const SheetPrintTarget& target) {
        m_sheet = new iuiSheet(env, host, nullptr, 0, 0, key, state);
        m_sheet->hide();
        m_sheet->SetParameter(parameter);
        m_sheet->SetPrinter({target.dpi, target.fontHeight, &m_metrics});
        m_sheet->Build();
    }
    bool Printable() const override { return m_sheet->Printable(); }
    std::string TitleText() const override { return m_sheet->TitleText(); }
    const SheetLayout& Layout() const override { return std::as_const(*m_sheet).Layout(); }
    void DrawCell(QPainter& painter, std::int32_t column, std::int32_t row, const QRect& rect) override {
        m_sheet->DrawPrintedCell(painter, {column, row}, rect);
    }

private:
    platform::QtFontMetrics m_metrics;
    QPointer<iuiSheet> m_sheet;
};

} // namespace

WidgetSheetFactory::WidgetSheetFactory(IDefinitionSource& source, cmcEvMan& events, platform::IFontMetrics& metrics)
    : m_images(ImageList::WithCellMarks(16)), m_env(source, events, metrics) {
    m_env.images = &m_images;
}

void WidgetSheetFactory::Attach(indMain& app, ICellBehaviour& behaviour) {
    m_app = &app;
    m_env.behaviour = &behaviour;
    // A cell's context menu is built by the menu builder from its overlay section; a chosen item goes
    // back to the sheet as the kind of its cell. The builder lives as long as its menu.
    m_env.fillMenu = [this](QMenu& menu, const std::string& key, std::function<void(int)> chosen) {
        auto* builder = new cuiMenu(
            &menu, m_env.source, m_env.events, *m_env.behaviour, key, [chosen = std::move(chosen)](cmcCellObj& cell) {
                chosen(cell.Kind());
            });
        QObject::connect(&menu, &QObject::destroyed, [builder] { delete builder; });
        builder->Build();
    };
}

void WidgetSheetFactory::UpdateState() {
    if (m_app == nullptr) {
        return;
    }
    m_env.fontPercentage = m_app->Environ().fontSizePercentage;
    m_state = m_app->SheetState();
}

std::unique_ptr<IOpenSheet> WidgetSheetFactory::Open(QWidget* area,
                                                     const std::string& key,
                                                     const std::string& parameter,
                                                     const std::string& sourceArgument,
                                                     const SheetPosition* position) {
    UpdateState();
    auto* sheet = new iuiSheet(m_env, area, nullptr, 0, 0, key, m_state);
    sheet->SetParameter(parameter);
    sheet->SetSourceArgument(sourceArgument);
    if (position != nullptr) {
        sheet->SetSavedPosition(*position);
    }
    sheet->Build();
    return std::make_unique<WidgetSheet>(sheet, sourceArgument);
}

std::unique_ptr<IPrintSheet> WidgetSheetFactory::OpenForPrinting(QWidget* host,
                                                                 const std::string& key,
                                                                 const std::string& parameter,
                                                                 const SheetPrintTarget& target) {
    UpdateState();
    auto sheet = std::make_unique<WidgetPrintSheet>(target);
    sheet->Build(m_env, host, key, parameter, m_state, target);
    return sheet;
}

void WidgetSheetFactory::OpenSelectionList(cmcCellCapsule& capsule,
                                           std::string_view listName,
                                           int itemKind,
                                           int value) {
    UpdateState();
    cuiFlector::Create(m_env, capsule, itemKind, value, std::string(listName));
}
