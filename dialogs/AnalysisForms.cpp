// The analysis window's forms of the shown output: computed at once for a few inputs, in the
// background for many, and written in the textbook's notation with the map's groups.
#include "AnalysisWindow.h"

#include "KarnaughView.h"
#include "Translated.h"

#include <QComboBox>
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

TAnalysisWindow::TForms TAnalysisWindow::Minimized(const TBoolFunction& f)
{
    return {f, MinimizeSumOfProducts(f), MinimizeProductOfSums(f)};
}

void TAnalysisWindow::ShowOutput(size_t output)
{
    if (!table_ || output >= table_->Outputs.size()) {
        Refresh();
        return;
    }
    const TBoolFunction& f = table_->Functions[output];
    if (forms_ && forms_->Of == f) {
        ShowForms(output, *forms_);
        return;
    }
    // Up to eight inputs the forms take a millisecond; above, up to a second or so, in the background.
    constexpr int quickInputs = 8;
    if (f.Inputs() <= quickInputs) {
        forms_ = Minimized(f);
        ShowForms(output, *forms_);
        return;
    }
    if (pending_.valid()) abandoned_.push_back(std::move(pending_));
    pending_ = std::async(std::launch::async, Minimized, f);
    pendingOutput_ = output;
    const QString waiting = Escaped(table_->Outputs[output]) + QStringLiteral(" = …");
    lblSum->setText(waiting);
    lblProduct->setText(waiting);
    pboxMap->Show(&f, table_->Inputs, {}, DifferingRows(output));
    pboxMap->resize(pboxMap->sizeHint());
    formsTimer_->start();
    Refresh();
}

void TAnalysisWindow::CollectForms()
{
    const auto ready = [](const std::future<TForms>& f) {
        return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    std::erase_if(abandoned_, ready);
    if (pending_.valid() && ready(pending_)) {
        forms_ = pending_.get();
        ShowForms(pendingOutput_, *forms_);
    }
    if (!pending_.valid() && abandoned_.empty()) formsTimer_->stop();
}

void TAnalysisWindow::ShowForms(size_t output, const TForms& forms)
{
    // Forms that come in after the table or the output changed are not this output's.
    if (!table_ || output >= table_->Outputs.size() || static_cast<size_t>(cmbOutput->currentIndex()) != output ||
        !(table_->Functions[output] == forms.Of))
        return;
    const TBoolFunction& f = table_->Functions[output];
    const QString name = Escaped(table_->Outputs[output]);
    // Past the exact range, or where the search ran out of time, a form is correct but maybe not the smallest.
    const auto proof = [](const TMinimalForm& form) {
        return form.Proven ? QString() : QStringLiteral("  <small>(%1)</small>").arg(QTr("perhaps not the smallest"));
    };
    lblSum->setText(name + " = " + Notation(ProductLiterals(forms.Sum.Terms, f.Inputs()), table_->Inputs, false) +
                    proof(forms.Sum));
    lblProduct->setText(name + " = " + Notation(SumLiterals(forms.Product.Terms, f.Inputs()), table_->Inputs, true) +
                        proof(forms.Product));
    pboxMap->Show(&f, table_->Inputs, cmbGroups->currentIndex() == 1 ? forms.Product.Terms : forms.Sum.Terms,
                  DifferingRows(output));
    pboxMap->resize(pboxMap->sizeHint());
    Refresh();
}
