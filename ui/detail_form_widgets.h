#pragma once

// The detail editor's building blocks: digit boxes, option groups and flag boxes, and how each
// shows a record's byte and gives back the user's choice. A byte beyond its list shows as no
// choice and is given back unchanged until the user chooses.

#include <QString>
#include <QStringList>
#include <Qt>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFont;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace r36::ui {

QLineEdit* digitBox(QWidget* parent, const QString& name, int chars, Qt::Alignment alignment,
                    const QFont& font);
/// The full-width decimal point between the MHz and fraction boxes.
QLabel* fullWidthPoint(QWidget* parent);
/// Option buttons named `name` + position, laid out in `columns`; their ids are list positions.
QButtonGroup* addOptions(QWidget* frame, QGridLayout* grid, const QStringList& captions,
                         const QString& name, int columns);
QCheckBox* autoBox(QWidget* frame, const QString& name);
void tabToChosen(QButtonGroup* group);

void selectOption(QButtonGroup* group, int index);
void selectEntry(QComboBox* list, int index);
int chosenOption(const QButtonGroup* group, int loadedByte);
int chosenEntry(const QComboBox* list, int loadedByte);
void showFlag(QCheckBox* box, int value);
int chosenFlag(const QCheckBox* box, int shownByte);

} // namespace r36::ui
