#include "OutputForms.h"

#include "FormText.h"
#include "KarnaughView.h"
#include "Translated.h"

#include <QLabel>
#include <QStringList>
#include <QTimer>

#include <chrono>

namespace {

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// A form in the textbook's notation: complemented inputs under a bar, products joined by +, sums
// in brackets joined by ·.
QString Notation(const std::vector<std::vector<TLiteral>>& terms, const std::vector<std::string>& names, bool sums)
{
    if (terms.empty()) return sums ? QStringLiteral("1") : QStringLiteral("0");
    QStringList shown;
    for (const std::vector<TLiteral>& term : terms) {
        if (term.empty()) {
            shown << (sums ? QStringLiteral("0") : QStringLiteral("1"));
            continue;
        }
        QStringList literals;
        for (const TLiteral& literal : term) {
            const QString name = Escaped(names[static_cast<size_t>(literal.Input)]);
            literals << (literal.Complemented ? QStringLiteral("<span style=\"text-decoration: overline\">%1</span>").arg(name)
                                              : name);
        }
        const bool bracket = term.size() > 1 && terms.size() > 1;
        shown << (sums ? (bracket ? "(" + literals.join(" + ") + ")" : literals.join(" + "))
                       : literals.join(QStringLiteral("·")));
    }
    return shown.join(sums ? QStringLiteral("·") : QStringLiteral(" + "));
}

}  // namespace

TOutputForms::TOutputForms(QLabel* sum, QLabel* product, TKarnaughView* map, QObject* parent)
    : QObject(parent), sum_(sum), product_(product), map_(map), timer_(new QTimer(this))
{
    timer_->setInterval(20);
    connect(timer_, &QTimer::timeout, this, [this] { Collect(); });
}

TOutputForms::~TOutputForms() = default;

TOutputForms::TForms TOutputForms::Minimized(const TBoolFunction& f)
{
    return {f, MinimizeSumOfProducts(f), MinimizeProductOfSums(f)};
}

void TOutputForms::Show(const TBoolFunction& f, const std::string& name, const std::vector<std::string>& inputs,
                        bool productGroups, const std::vector<uint32_t>& differing)
{
    f_ = &f;
    name_ = name;
    inputs_ = inputs;
    productGroups_ = productGroups;
    differing_ = differing;
    if (forms_ && forms_->Of == f) {
        ShowForms(*forms_);
        return;
    }
    // Up to eight inputs the forms take a millisecond; above, up to a second or so, in the background.
    constexpr int quickInputs = 8;
    if (f.Inputs() <= quickInputs) {
        forms_ = Minimized(f);
        ShowForms(*forms_);
        return;
    }
    if (pending_.valid()) abandoned_.push_back(std::move(pending_));
    pending_ = std::async(std::launch::async, Minimized, f);
    const QString waiting = Escaped(name) + QStringLiteral(" = …");
    sum_->setText(waiting);
    product_->setText(waiting);
    map_->Show(&f, inputs, {}, differing);
    map_->resize(map_->sizeHint());
    timer_->start();
}

void TOutputForms::Clear()
{
    f_ = nullptr;
    map_->Show(nullptr, {}, {}, {});
}

void TOutputForms::Collect()
{
    const auto ready = [](const std::future<TForms>& f) {
        return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    std::erase_if(abandoned_, ready);
    if (pending_.valid() && ready(pending_)) {
        forms_ = pending_.get();
        ShowForms(*forms_);
    }
    if (!pending_.valid() && abandoned_.empty()) timer_->stop();
}

void TOutputForms::ShowForms(const TForms& forms)
{
    if (!f_ || !(*f_ == forms.Of)) return;
    const QString name = Escaped(name_);
    // Past the exact range, or where the search ran out of time, a form is correct but maybe not the smallest.
    const auto proof = [](const TMinimalForm& form) {
        return form.Proven ? QString() : QStringLiteral("  <small>(%1)</small>").arg(QTr("perhaps not the smallest"));
    };
    const int n = f_->Inputs();
    sum_->setText(name + " = " + Notation(ProductLiterals(forms.Sum.Terms, n), inputs_, false) + proof(forms.Sum));
    product_->setText(name + " = " + Notation(SumLiterals(forms.Product.Terms, n), inputs_, true) +
                      proof(forms.Product));
    map_->Show(f_, inputs_, productGroups_ ? forms.Product.Terms : forms.Sum.Terms, differing_);
    map_->resize(map_->sizeHint());
}
