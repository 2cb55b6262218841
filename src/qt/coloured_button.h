#pragma once

#include <QColor>
#include <QPalette>
#include <QPushButton>
#include <map>
#include <optional>

namespace qtui {

// A push button with a background colour of its own. The style caches each button face under
// the palette it was drawn with, and every setPalette makes a new palette: a button whose
// colour toggles at every test (Start/Stop Plotting) would fill that cache without end. Here
// each colour keeps one palette for the whole run, so the faces are drawn and cached once.
class ColouredButton : public QPushButton {
  Q_OBJECT

 public:
  explicit ColouredButton(QWidget* parent) : QPushButton(parent) {}

  // The background colour, or none for the style's own.
  void SetColour(std::optional<QColor> colour);
  std::optional<QColor> Colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QPalette& PaletteFor(const QColor& colour);

  std::optional<QColor> colour_;
  std::map<QRgb, QPalette> palettes_;
};

}  // namespace qtui
