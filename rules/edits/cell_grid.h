#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "rules/document/findings.h"
#include "rules/edits/edit_plan.h"
#include "rules/edits/table_cells.h"
#include "rules/tree/record_figures.h"

namespace rules {

class RulesDocument;

// One table of the Table page as its commands see it: rows (1-based) of
// cells under headings, what each cell shows, and how a text given for it
// is read and stored. Paste, fill, CSV export and CSV import are written
// once over it, for the three designed sections and the other sections
// alike. Texts here are UTF-8, as the clipboard and CSV files hold them.
class CellGrid {
  public:
    virtual ~CellGrid() = default;

    virtual int Rows() const = 0;
    virtual int Columns() const = 0;
    virtual std::string Heading(int column) const = 0;
    // The column in running text ("cost", "AI value").
    virtual std::string Label(int column) const = 0;
    // What one row is, for counting them ("unit", "row").
    virtual std::string RowNoun() const = 0;
    // The column with this heading (letter case ignored), or -1.
    virtual int ColumnOfHeading(std::string_view heading) const = 0;
    // False for a column that shows a figure worked out from the tables.
    virtual bool HoldsValues(int column) const = 0;
    virtual std::string Shown(int row, int column) const = 0;
    // The row's name in messages.
    virtual std::string RowName(int row) const = 0;
    // A typed, pasted or imported cell read for its place (see ReadCell).
    virtual CellValue Read(int row, int column, std::string_view utf8) const = 0;
    // Whether the cell already holds this stored text (Windows-1252).
    virtual bool Holds(int row, int column, std::string_view stored) const = 0;
    virtual void AddEdit(EditPlan& plan, int row, int column, std::string stored) const = 0;
};

// A designed section: its records and its Table columns (TableColumns).
class RecordGrid : public CellGrid {
  public:
    RecordGrid(const RulesDocument& document, SectionId section);

    int Rows() const override;
    int Columns() const override;
    std::string Heading(int column) const override;
    std::string Label(int column) const override;
    std::string RowNoun() const override;
    int ColumnOfHeading(std::string_view heading) const override;
    bool HoldsValues(int column) const override;
    std::string Shown(int row, int column) const override;
    std::string RowName(int row) const override;
    CellValue Read(int row, int column, std::string_view utf8) const override;
    bool Holds(int row, int column, std::string_view stored) const override;
    void AddEdit(EditPlan& plan, int row, int column, std::string stored) const override;

  private:
    FieldRef Ref(int row, int column) const;

    const RulesDocument& document_;
    SectionId section_;
    mutable std::optional<RecordFigures> figures_;  // worked out when first shown
};

// Another section, by its index among the document's other sections.
class SectionGrid : public CellGrid {
  public:
    SectionGrid(const RulesDocument& document, int section);

    int Rows() const override;
    int Columns() const override;
    std::string Heading(int column) const override;
    std::string Label(int column) const override;
    std::string RowNoun() const override { return "row"; }
    int ColumnOfHeading(std::string_view heading) const override;
    bool HoldsValues(int) const override { return true; }
    std::string Shown(int row, int column) const override;
    std::string RowName(int row) const override;
    CellValue Read(int row, int column, std::string_view utf8) const override;
    bool Holds(int row, int column, std::string_view stored) const override;
    void AddEdit(EditPlan& plan, int row, int column, std::string stored) const override;

  private:
    const RulesDocument& document_;
    int section_;
};

// The table a word names, as the command line names them: "units",
// "advances" or "cosmic" (see SectionNamed), or another section's name
// ("terrain"), letter case ignored; nothing when it names none.
std::unique_ptr<CellGrid> GridNamed(const RulesDocument& document, std::string_view word);

}  // namespace rules
