// What the wizard shows of a catalogue: the bitmaps, then each product with
// its web address and installer, as text for the check's report.
#ifndef TOOLS_CATALOG_WIZARD_VIEW_H
#define TOOLS_CATALOG_WIZARD_VIEW_H

#include "tools/catalog/catalogue_reading.h"

#include <string>

std::string WizardView(const CatalogueReading &reading);

#endif
