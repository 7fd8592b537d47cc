#pragma once

#include "resultdata/input_files.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace vintrel {

/// What a report is made of: the result (already unpacked into a working root, its inputs
/// loaded), its name and the two temperatures of the spectra.
struct ReportRequest {
    ResultLocation location;
    std::string resultName;
    double lowTemperature = 5;
    double highTemperature = 100;
};

/// The report of one result as a PDF, every figure drawn as vectors by its page's own painter:
/// the parameters, the level scheme, the eigenvector table, the spectrum at the two
/// temperatures, χ, 1/χ, c and S; for a mean-field result the parameters and the six
/// mean-field graphs. Every page is headed by the result's name, ion and field. The pages are
/// hosted in an unshown window, so it runs on any platform plugin (offscreen as well).
/// `pages` gets the number of pages.
QByteArray resultReportPdf(const ReportRequest& request, int* pages = nullptr);

} // namespace vintrel
