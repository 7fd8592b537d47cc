#include "app/result_report.h"

#include "controls/fonts.h"
#include "graphs/heat_pages.h"
#include "graphs/mean_field_pages.h"
#include "graphs/plot_painter.h"
#include "graphs/susceptibility_pages.h"
#include "levels/diagram_geometry.h"
#include "levels/eigenvector_table.h"
#include "levels/level_overlay_view.h"
#include "levels/level_value_names.h"
#include "levels/poziomy.h"
#include "levels/spectro_data.h"
#include "levels/spectroscopy_page.h"
#include "levels/spectrum_plot.h"
#include "parameters/parameter_data.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"
#include "resultdata/result_variables.h"

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <variant>

namespace vintrel {

namespace {

// The pages are laid out at this many dots per inch; figures keep their screen pixels.
constexpr int kResolution = 96;
// The size the pages' plots are hosted at.
constexpr QSize kHostSize(1150, 720);

QString cellText(const DataTable::Cell& cell) {
    if (const auto* d = std::get_if<double>(&cell))
        return QString::fromStdString(roundTripText(*d));
    if (const auto* i = std::get_if<std::int64_t>(&cell))
        return QString::number(*i);
    return QString::fromStdString(std::get<std::string>(cell));
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The PDF being written: a page per figure, each headed by the result.
class ReportWriter {
public:
    explicit ReportWriter(const ReportRequest& request) : request_(request) {
        buffer_.open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(&buffer_);
        writer_->setResolution(kResolution);
        writer_->setPageSize(QPageSize(QPageSize::A4));
        writer_->setPageOrientation(QPageLayout::Landscape);
        writer_->setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        const TVariables& vars = sharedVariables();
        writer_->setTitle(QString::fromStdString("Report of " + request.resultName));
        writer_->setCreator(QStringLiteral("vintrel-cli report"));
        heading_ = QString::fromStdString(
            request.resultName + "  —  " + ionText(vars) + " (" + vars.siconf + "), " +
            basisName(vars.baza) + " basis, field " + roundTripText(vars.magfield) + " T at " +
            roundTripText(vars.magangle) + "° / " + roundTripText(vars.magangle2) + "°");
        painter_.begin(writer_.get());
    }

    // Starts a page with its title; gives the area below the heading.
    QRect page(const QString& title) {
        if (pages_ > 0)
            writer_->newPage();
        ++pages_;
        const QRect full = painter_.viewport();
        const QRect area(0, 0, painter_.device()->width(), painter_.device()->height());
        (void)full;
        painter_.setPen(QColor(0x40, 0x40, 0x40));
        painter_.setFont(viewerFont(QStringLiteral("Tahoma"), 9));
        painter_.drawText(QRect(area.left(), area.top(), area.width(), 18),
                          Qt::AlignLeft | Qt::AlignVCenter, heading_);
        painter_.drawText(QRect(area.left(), area.top(), area.width(), 18),
                          Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("page %1").arg(pages_));
        painter_.setFont(viewerFont(QStringLiteral("Tahoma"), 13, true));
        painter_.setPen(Qt::black);
        painter_.drawText(QRect(area.left(), area.top() + 22, area.width(), 26),
                          Qt::AlignLeft | Qt::AlignVCenter, title);
        painter_.drawLine(area.left(), area.top() + 52, area.right(), area.top() + 52);
        return QRect(area.left(), area.top() + 60, area.width(), area.height() - 60);
    }

    // Draws something of `size` scaled to fit `area`, its proportions kept, at the top.
    void fitted(const QRect& area, QSize size, const std::function<void(QPainter&)>& draw) {
        if (size.isEmpty())
            return;
        const double scale = std::min(1.0, std::min(double(area.width()) / size.width(),
                                                    double(area.height()) / size.height()));
        painter_.save();
        painter_.translate(area.left() + (area.width() - size.width() * scale) / 2, area.top());
        painter_.scale(scale, scale);
        painter_.setClipRect(QRect(QPoint(0, 0), size));
        draw(painter_);
        painter_.restore();
    }

    // A page's scene; the figure's caption names the result by its name, not its folder.
    // Gives the area below the figure.
    QRect scene(const QString& title, PlotScene scene) {
        const std::string folder = request_.location.resultFolder + ":";
        for (SceneItem& item : scene.items)
            if (auto* text = std::get_if<SceneText>(&item); text && text->text.starts_with(folder))
                text->text = request_.resultName + ":" + text->text.substr(folder.size());
        const QRect area = page(title);
        const double scale = std::min(1.0, std::min(double(area.width()) / scene.width,
                                                    double(area.height() - 40) / scene.height));
        fitted(area, QSize(scene.width, scene.height),
               [&](QPainter& p) { paintPlotScene(p, scene); });
        const int below = area.top() + static_cast<int>(scene.height * scale) + 8;
        return QRect(area.left(), below, area.width(), area.bottom() - below);
    }

    // A table of text: a header row in bold, then the rows; columns as wide as their text.
    void table(const QRect& area, const QStringList& header, const std::vector<QStringList>& rows,
               const QString& note = {}) {
        QFont font = viewerFont(QStringLiteral("Tahoma"), 9);
        QFont bold = viewerFont(QStringLiteral("Tahoma"), 9, true);
        const QFontMetrics metrics(bold);
        std::vector<int> widths(static_cast<std::size_t>(header.size()), 0);
        auto widen = [&](const QStringList& row) {
            for (int c = 0; c < row.size() && c < header.size(); ++c)
                widths[static_cast<std::size_t>(c)] = std::max(
                    widths[static_cast<std::size_t>(c)], metrics.horizontalAdvance(row[c]) + 16);
        };
        widen(header);
        for (const QStringList& row : rows)
            widen(row);
        const int lineHeight = metrics.height() + 4;
        int y = area.top();
        // The last column takes what is left of the width and wraps at its blanks.
        auto line = [&](const QStringList& row, const QFont& f) {
            painter_.setFont(f);
            int x = area.left();
            int height = lineHeight;
            for (int c = 0; c < row.size() && c < header.size(); ++c) {
                const bool last = c + 1 == header.size();
                const int width =
                    last ? std::max(area.right() - x, 40) : widths[static_cast<std::size_t>(c)];
                if (last) {
                    const QRect box = painter_.fontMetrics().boundingRect(
                        QRect(x, y + 2, width, 10000), Qt::TextWordWrap, row[c]);
                    height = std::max(height, box.height() + 4);
                    painter_.drawText(QRect(x, y + 2, width, height), Qt::TextWordWrap, row[c]);
                } else {
                    painter_.drawText(QRect(x, y, width, lineHeight),
                                      Qt::AlignLeft | Qt::AlignVCenter, row[c]);
                }
                x += width;
            }
            y += height;
        };
        painter_.setPen(Qt::black);
        line(header, bold);
        painter_.drawLine(area.left(), y, area.right(), y);
        for (const QStringList& row : rows) {
            if (y + lineHeight > area.bottom())
                break;
            line(row, font);
        }
        if (!note.isEmpty()) {
            painter_.setFont(font);
            painter_.drawText(QRect(area.left(), y + 8, area.width(), area.bottom() - y),
                              Qt::TextWordWrap, note);
        }
    }

    QPainter& painter() { return painter_; }
    int pages() const { return pages_; }

    QByteArray finish() {
        painter_.end();
        writer_.reset();
        return buffer_.data();
    }

private:
    const ReportRequest& request_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    QString heading_;
    int pages_ = 0;
};

// An unshown window that hosts one page widget at the plot size.
class Host {
public:
    explicit Host(QWidget* page) {
        auto* layout = new QVBoxLayout(&window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
        window_.resize(kHostSize);
        window_.setAttribute(Qt::WA_DontShowOnScreen);
        window_.show();
        settle();
    }

private:
    QWidget window_;
};

void parametersPage(ReportWriter& report, const ReportRequest& request) {
    const QRect area = report.page(QStringLiteral("Parameters"));
    DataTable table;
    try {
        table = parameterDataTable(request.location, request.resultName);
    } catch (const DataRequestError& e) {
        // A mean-field result: what the result is, and why there are no coefficients here.
        addResultComments(table, request.resultName, sharedVariables());
        table.comment("crystal-field coefficients", e.what());
    }
    QStringList header;
    for (const std::string& c : table.columns)
        header << QString::fromStdString(c);
    std::vector<QStringList> rows;
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const auto& cell : row)
            cells << cellText(cell);
        rows.push_back(cells);
    }
    QString note;
    for (const auto& [key, value] : table.comments)
        note += QString::fromStdString(key + ": " + value) + QStringLiteral("\n");
    // The summary first, the coefficients beside it.
    const QRect left(area.left(), area.top(), area.width() / 3, area.height());
    const QRect right(area.left() + area.width() / 3, area.top(), area.width() * 2 / 3,
                      area.height());
    QPainter& p = report.painter();
    p.setFont(viewerFont(QStringLiteral("Tahoma"), 9));
    p.setPen(Qt::black);
    p.drawText(left, Qt::TextWordWrap, note);
    if (!header.isEmpty())
        report.table(right, header, rows);
}

GraphPageHost graphHost(const ReportRequest& request) {
    GraphPageHost host;
    const ResultLocation location = request.location;
    host.currentResult = [location] { return location; };
    host.padlockFolders = [] { return std::vector<std::string>{}; };
    return host;
}

void levelPage(ReportWriter& report, const ReportRequest& request) {
    Tpoziomy page;
    new TLevelOverlays(page);
    Host host(page.p0());
    page.setResultLocation(request.location);
    page.czytaj();
    settle();
    QWidget* diagram = page.diagram();
    const QRect area = report.page(QStringLiteral("Energy levels (quantization axis z)"));
    report.fitted(area, diagram->size(), [&](QPainter& p) {
        diagram->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    });
}

void eigenvectorPage(ReportWriter& report, const ReportRequest& request) {
    const QRect area = report.page(QStringLiteral("Eigenstates (quantization axis z)"));
    try {
        const EigenvectorTable t = readEigenvectorTable(request.location, request.resultName, 0);
        const ExpectedValueNames names = expectedValueNames(Axis::z, t.vars.baza);
        const QStringList header = {QStringLiteral("level"),
                                    QStringLiteral("E-E0 [K]"),
                                    QStringLiteral("E-E0 [meV]"),
                                    QStringLiteral("E-E0 [1/cm]"),
                                    QString::fromStdString(names.orbital),
                                    QString::fromStdString(names.spin),
                                    QString::fromStdString(names.combined),
                                    QStringLiteral("components in ") +
                                        QString::fromStdString(basisName(t.vars.baza))};
        std::vector<QStringList> rows;
        for (const auto& row : t.rows) {
            QString sum;
            for (const EigenComponent& c : row.state.components) {
                const QString a =
                    c.amplitude.imag() == 0
                        ? QString::number(c.amplitude.real(), 'f', 4)
                        : QStringLiteral("(%1%2%3i)")
                              .arg(QString::number(c.amplitude.real(), 'f', 4),
                                   c.amplitude.imag() < 0 ? QString() : QStringLiteral("+"),
                                   QString::number(c.amplitude.imag(), 'f', 4));
                const QString ket = QString::fromStdString(ketText(c, t.vars.baza, t.L, t.S, t.J));
                if (sum.isEmpty())
                    sum = a + ket;
                else if (a.startsWith('-'))
                    sum += QStringLiteral(" − ") + a.mid(1) + ket;
                else
                    sum += QStringLiteral(" + ") + a + ket;
            }
            rows.push_back(
                {QString::number(row.state.level), QString::number(row.relative, 'f', 3),
                 QString::number(energyUnitFactor(EnergyUnit::meV, row.relative), 'f', 3),
                 QString::number(energyUnitFactor(EnergyUnit::inverseCm, row.relative), 'f', 2),
                 QString::number(row.orbital, 'f', 4), QString::number(row.spin, 'f', 4),
                 QString::number(row.moment, 'f', 4), sum});
        }
        report.table(area, header, rows);
    } catch (const std::exception& e) {
        QPainter& p = report.painter();
        p.setFont(viewerFont(QStringLiteral("Tahoma"), 9));
        p.drawText(area, Qt::TextWordWrap,
                   QStringLiteral("No eigenvector table: ") + QString::fromStdString(e.what()));
    }
}

void spectrumPage(ReportWriter& report, const ReportRequest& request, double T) {
    Tgraf_spectroscopy page(graphHost(request));
    Host host(page.p0());
    page.loadCurrentResult();
    page.setPlotType(PlotType::meV);
    page.viewWhole();
    page.setLineShape(LineShape::gauss);
    page.setHalfWidth(1.0);
    page.setTemperature(T);
    page.setBoltzmann(true);
    page.recompute();
    settle();
    const QRect below = report.scene(
        QStringLiteral("Spectrum at T = %1 K (Gauss lines, FWHM %2 meV; Boltzmann populations)")
            .arg(QString::fromStdString(roundTripText(T)),
                 QString::fromStdString(roundTripText(page.options().halfWidthUnit))),
        page.scene());
    // The legend the page shows as its buttons: the stacked intensities and their colours.
    QPainter& p = report.painter();
    p.setFont(viewerFont(QStringLiteral("Tahoma"), 9));
    int x = below.left() + 60;
    const int basis = sharedVariables().baza;
    for (int t = 0; t < intensityTypeCount(basis); ++t) {
        p.fillRect(QRect(x, below.top() + 4, 14, 10), qtColour(intensityColour(t, basis)));
        p.setPen(Qt::black);
        const QString caption =
            QString::fromStdString(intensityColumnNames(basis)[static_cast<std::size_t>(t)]);
        p.drawText(QPoint(x + 18, below.top() + 13), caption);
        x += 30 + p.fontMetrics().horizontalAdvance(caption);
    }
}

void graphPage(ReportWriter& report, TGraphPage& page, const QString& title) {
    Host host(page.p0());
    page.wczytajDane({});
    settle();
    // The figure as "Export figure…" writes it, with the legend of its curves.
    report.scene(title, page.scene(true));
}

} // namespace

QByteArray resultReportPdf(const ReportRequest& request, int* pages) {
    loadResultInputs(request.location);
    ReportWriter report(request);
    parametersPage(report, request);
    const GraphPageHost host = graphHost(request);
    if (sharedVariables().dynamic_calc) {
        Tgraf_momentD moment(host);
        graphPage(report, moment, QStringLiteral("Magnetic moment"));
        Tgraf_chiD chi(host);
        graphPage(report, chi, QStringLiteral("Susceptibility χ"));
        Tgraf_1chiD inverse(host);
        graphPage(report, inverse, QStringLiteral("Inverse susceptibility 1/χ"));
        Tgraf_anisoD aniso(host);
        graphPage(report, aniso, QStringLiteral("Anisotropy constants"));
        Tgraf_specD heat(host);
        graphPage(report, heat, QStringLiteral("Specific heat c"));
        Tgraf_entrD entropy(host);
        graphPage(report, entropy, QStringLiteral("Entropy S"));
    } else {
        levelPage(report, request);
        eigenvectorPage(report, request);
        spectrumPage(report, request, request.lowTemperature);
        spectrumPage(report, request, request.highTemperature);
        Tgraf_chi chi(host);
        graphPage(report, chi, QStringLiteral("Susceptibility χ"));
        Tgraf_1chi inverse(host);
        graphPage(report, inverse, QStringLiteral("Inverse susceptibility 1/χ"));
        Tgraf_spech heat(host);
        graphPage(report, heat, QStringLiteral("Specific heat c"));
        Tgraf_entr entropy(host);
        graphPage(report, entropy, QStringLiteral("Entropy S"));
    }
    if (pages)
        *pages = report.pages();
    return report.finish();
}

} // namespace vintrel
