#pragma once
// Long paths in boxes of limited width: the folders in the middle give way to "...".

#include <QString>

// The path as a box of maxLength characters shows it. A path not longer than maxLength is
// unchanged. A longer one has its folders replaced by "..." one after the other, from the
// second component on (the first is the root or drive), consecutive "..." written once, until
// it is shorter than maxLength; the file name (last component) is always kept whole.
QString ShortenPathDisplay(const QString& path, int maxLength);

// Shows the box's own text shortened; when it had to be shortened the full text becomes the
// box's tooltip. Works for any box with text()/setText()/setToolTip() (labels, line edits).
template <typename Box> void ShortenPathDisplay(Box* box, int maxLength)
{
    const QString full = box->text();
    const QString shown = ShortenPathDisplay(full, maxLength);
    if (shown == full) return;
    box->setToolTip(full);
    box->setText(shown);
}
