#pragma once

#include "hamiltonian/ham_grid_texts.h"
#include "hamiltonian/ham_grid_view.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <vector>

class QPainter;

namespace vintrel {

/// The colour of a term's text: LS red, CEF blue, Zeeman green (0, 128, 0).
QColor termColour(HamTerm term);

/// Background of the caption cells, and of the two kinds of blocks of the checkerboard (the
/// gradient colours of inactive and active window captions of the platform the viewer was
/// designed on).
inline const QColor kHeaderCellColour(224, 222, 227);
inline const QColor kEvenBlockColour(215, 228, 242);
inline const QColor kOddBlockColour(185, 209, 234);

/// A state caption split for drawing: each part ("L_z=1", "S_z=0.5") as the letters before
/// "_", the one character after it, which is drawn lowered and smaller, and the rest.
struct HeaderPart {
    QString before;
    QString subscript;
    QString after;
};
using HeaderCaption = std::vector<HeaderPart>;

/// Splits a state caption at its first blank into parts and each part at its "_".
HeaderCaption headerCaption(const std::string& caption);

/// The fonts of the grid: the cell font (10 points) and its bold, bold underlined and
/// subscript (0.7 of the size) forms.
struct HamGridFonts {
    explicit HamGridFonts(const QFont& cell);
    QFont plain;
    QFont bold;
    QFont emphasised;
    QFont subscript;
    QFont subscriptBold;
};

/// Everything one repaint of the grid draws from: nothing is read or formatted while painting.
struct HamGridScene {
    const HamGridView* view = nullptr;
    const HamGridTexts* texts = nullptr;
    /// Caption of state i at index i − 1.
    const std::vector<HeaderCaption>* captions = nullptr;
    const HamGridFonts* fonts = nullptr;
    GridSelection selection;
    /// Side of the checkerboard's blocks.
    int blockSide = 1;
    /// Background beyond the cells.
    QColor background = QColor(224, 223, 227);
};

/// Paints the cells on show: captions, backgrounds, the selection outline and the prepared
/// texts of the ticked terms.
void paintHamGrid(QPainter& painter, const HamGridScene& scene);

} // namespace vintrel
