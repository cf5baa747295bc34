#pragma once

#include "Minimizer.h"

#include <QObject>

#include <cstdint>
#include <future>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QTimer;
class TKarnaughView;

// An output's smallest sum of products and product of sums in the textbook's notation, and its
// Karnaugh map with the groups of one of them. A few inputs' forms take a millisecond and are shown
// at once; many inputs' are computed in the background so that the window stays live, and forms
// that come in after another function was asked for are never shown.
class TOutputForms : public QObject {
public:
    TOutputForms(QLabel* sum, QLabel* product, TKarnaughView* map, QObject* parent);
    // Waits for the computations still running.
    ~TOutputForms() override;

    // Shows f's forms, the output named name over the inputs, the map's groups those of the product
    // of sums when productGroups, the differing rows marked. f must live until the next Show or Clear.
    void Show(const TBoolFunction& f, const std::string& name, const std::vector<std::string>& inputs,
              bool productGroups, const std::vector<uint32_t>& differing);
    // Nothing is asked for any longer: the map goes blank.
    void Clear();

private:
    // An output's smallest forms, and the function they are of.
    struct TForms {
        TBoolFunction Of;
        TMinimalForm Sum;
        TMinimalForm Product;
    };
    static TForms Minimized(const TBoolFunction& f);
    void ShowForms(const TForms& forms);
    // Takes the forms computed in the background once they are ready.
    void Collect();

    QLabel* sum_;
    QLabel* product_;
    TKarnaughView* map_;
    QTimer* timer_;
    // What was asked for last.
    const TBoolFunction* f_ = nullptr;
    std::string name_;
    std::vector<std::string> inputs_;
    bool productGroups_ = false;
    std::vector<uint32_t> differing_;
    // The forms last computed; those being computed; computations asked for before, left to finish.
    std::optional<TForms> forms_;
    std::future<TForms> pending_;
    std::vector<std::future<TForms>> abandoned_;
};
