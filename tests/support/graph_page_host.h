#pragma once

// A graph page of the shared machinery hosted in a window of its own over a working root of
// results, for the page tests: results are written with the result writer and made current
// one at a time, as the viewer does.

#include "graphs/graph_page.h"
#include "graphs/plot_scene.h"
#include "resultdata/input_files.h"
#include "support/result_writer.h"

#include <QCoreApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vintrel::test {

/// A working root with results, a window holding one page, and a way to make a result
/// current. `folders` are the results the padlock writes into.
template <typename Page>
struct HostedPage {
    WorkingRoot root;
    std::string current = "Result00";
    std::vector<std::string> folders;
    QWidget window;
    std::unique_ptr<Page> page;

    GraphPageHost host() {
        GraphPageHost h;
        h.currentResult = [this] { return root.location(current); };
        h.mainWindow = &window;
        h.padlockFolders = [this] { return folders; };
        return h;
    }
    void add(const std::string& name, const ResultRecipe& recipe) {
        root.write(name, recipe);
        folders.push_back(name);
    }
    void show() {
        page = std::make_unique<Page>(host());
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page->p0());
        window.resize(1100, 700);
        select(current);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void select(const std::string& name) {
        current = name;
        loadResultInputs(root.location(name));
        page->wczytajDane({});
        QCoreApplication::processEvents();
    }
    std::filesystem::path folder(const std::string& name) const { return root.folder(name); }
    std::string file(const std::string& name, const char* file) const {
        return readFile(folder(name) / file);
    }
};

template <typename Item>
std::vector<Item> itemsOf(const PlotScene& scene) {
    std::vector<Item> items;
    for (const SceneItem& item : scene.items)
        if (const auto* it = std::get_if<Item>(&item))
            items.push_back(*it);
    return items;
}

inline bool drawsColour(const PlotScene& scene, const Rgb& colour) {
    const auto curves = itemsOf<ScenePolyline>(scene);
    return std::any_of(curves.begin(), curves.end(),
                       [&](const ScenePolyline& c) { return c.colour == colour; });
}

inline bool hasText(const PlotScene& scene, const std::string& text) {
    const auto texts = itemsOf<SceneText>(scene);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const SceneText& t) { return t.text == text; });
}

} // namespace vintrel::test
