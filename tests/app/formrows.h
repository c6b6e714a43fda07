#pragma once

// Rows of the main-form test, one function per group of pages. Each row
// names an object of the form, what to check and the expected value:
//   "class"   the object's class name (QString)
//   "items"   a combo box's item texts in order (QStringList)
//   otherwise a Qt property, compared as a QVariant of the property's type.
void addTerminalPageRows();
void addPositioningPageRows();
void addToolPageRows();
