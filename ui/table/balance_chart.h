#pragma once

#include <QGraphicsView>
#include <QWidget>

class QComboBox;
class QGraphicsScene;

namespace ui {

class DocumentEditor;

// The view of the chart: a click on a point reports its unit.
class ChartView : public QGraphicsView {
    Q_OBJECT
  public:
    ChartView(QGraphicsScene* scene, QWidget* parent);

  signals:
    void UnitClicked(int unit);
    void Resized();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// Two numeric columns of the units plotted against each other (by default
// Cost across, Attack up): a point per unit, coloured by the epoch in which
// it becomes available, its name on hover; a click on a point chooses its
// unit. It reads the tables whenever it draws, and draws again after every
// edit.
class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    explicit BalanceChart(DocumentEditor& editor, QWidget* parent = nullptr);

    // The fields plotted across and up.
    void SetAxes(int acrossField, int upField);
    int AcrossField() const;
    int UpField() const;
    // Draws the units as the tables hold them now.
    void Redraw();
    // How many points were drawn, and where the point of `unit` is (scene
    // coordinates; null when not drawn).
    int PointCount() const { return points_; }
    QPointF PointOf(int unit) const;
    ChartView* View() const { return view_; }

  signals:
    void UnitClicked(int unit);

  private:
    void ScheduleRedraw();

    DocumentEditor& editor_;
    QGraphicsScene* scene_;
    ChartView* view_;
    QComboBox* across_;
    QComboBox* up_;
    int points_ = 0;
    bool redrawPending_ = false;
};

}  // namespace ui
