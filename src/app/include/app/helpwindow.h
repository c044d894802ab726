// The help window: the map's colours, how the search spreads and walks back, the keys, and what
// may surprise. It does not block the main window, and Esc closes it.
#pragma once

#include <QWidget>

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;
};
