#include "app/qt/TitleSheetFactory.h"

#include "overlay/DefinitionSource.h"

#include <QLabel>
#include <QPointer>

namespace {

class TitleSheet final : public IOpenSheet {
public:
    TitleSheet(QWidget* area, std::string key, std::string argument, const QString& title)
        : m_key(std::move(key)), m_argument(std::move(argument)), m_label(new QLabel(title, area)) {
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setFocusPolicy(Qt::StrongFocus);
    }
    ~TitleSheet() override { delete m_label.data(); }

    QWidget* Widget() override { return m_label; }
    const std::string& Key() const override { return m_key; }
    const std::string& SourceArgument() const override { return m_argument; }
    SheetPosition Position() const override { return {}; }
    bool Printable() const override { return false; }
    bool FocusGrid() override {
        m_label->setFocus();
        return true;
    }

private:
    std::string m_key;
    std::string m_argument;
    QPointer<QLabel> m_label;
};

// The value of "TitleString=" in a style line; empty when it has none.
std::string TitleOf(const std::string& style) {
    const std::string name = "(TitleString=";
    const std::size_t start = style.find(name);
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = style.find(')', start);
    return style.substr(start + name.size(), end == std::string::npos ? std::string::npos : end - start - name.size());
}

} // namespace

std::unique_ptr<IOpenSheet> TitleSheetFactory::Open(QWidget* area,
                                                    const std::string& key,
                                                    const std::string& /*parameter*/,
                                                    const std::string& sourceArgument,
                                                    const SheetPosition* /*position*/) {
    const QString title = QString::fromStdString(TitleOf(m_definitions.GetLine(key + "_Style", 0)));
    return std::make_unique<TitleSheet>(area, key, sourceArgument, title);
}
