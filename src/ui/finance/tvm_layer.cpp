// SPDX-License-Identifier: MIT
// The financial layer: six quantity keys that store a typed value or solve for
// their quantity from the stored ones.

#include "core/engine/evaluate.h"
#include "core/finance/tvm.h"
#include "core/text/number_text.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

namespace zc {

void TCalcForm::tvmReset() {
    tvmFV = 0;
    tvmPV = 0;
    tvmPMT = 0;
    tvmRate = 0;
    tvmN = 0;
    tvmRateGiven = false;
    tvmNGiven = false;
    tvmPerYear = 1.0;
    solved = true;
    exprLen = 0;
}

void TCalcForm::L5BtnPVClick() {
    tvmTarget = 0;
    tvmKey(QStringLiteral("[pv] "));
}
void TCalcForm::L5BtnFVClick() {
    tvmTarget = 1;
    tvmKey(QStringLiteral("[fv] "));
}
void TCalcForm::L5BtnPMTClick() {
    tvmTarget = 2;
    tvmKey(QStringLiteral("[pmt] "));
}
void TCalcForm::L5BtnNClick() {
    tvmTarget = 3;
    tvmKey(QStringLiteral("[n] "));
}
void TCalcForm::L5BtnI_YRClick() {
    tvmTarget = 4;
    tvmKey(QStringLiteral("[i/yr] "));
}
void TCalcForm::L5BtnP_YRClick() {
    tvmTarget = 5;
    tvmKey(QStringLiteral("[p/yr] "));
}

void TCalcForm::tvmKey(const QString& label) {
    if (solved || helpVisible) return;
    const int raise = static_cast<int>(textRaise);
    const auto toHistory = [&](const QString& s) {
        appendRichText(s, LHistoryREdit, kHistoryColour, raise);
    };
    const auto toProblem = [&](const QString& s) {
        appendRichText(s, LOutputREdit, kProblemColour, raise);
    };
    // Every failure ends the financial problem: the stored quantities go too.
    const auto fail = [&](const QString& message, const QString& lead) {
        reportFailure(message, lead, raise);
        tvmReset();
    };
    const auto syntaxError = [&] { fail(QStringLiteral("Syntax Error"), QStringLiteral("\n")); };

    if (exprLen > 0) {
        double value = 0.0;
        try {
            value = evaluateCode(codeText(), angleMode());
        } catch (...) {
            syntaxError();
            return;
        }
        switch (tvmTarget) {
        case 0:
            tvmPV = value;
            break;
        case 1:
            tvmFV = value;
            break;
        case 2:
            tvmPMT = value;
            break;
        case 3:
            tvmN = value;
            tvmNGiven = true;
            break;
        case 4:
            tvmRate = value;
            tvmRateGiven = true;
            break;
        default:
            tvmPerYear = value;
            break;
        }
        appendBoth(label, textRaise);
        pushRecord(0, static_cast<int>(label.size()));
        exprLen = 0;
        return;
    }

    if ((!tvmRateGiven && tvmTarget != 4) || (!tvmNGiven && tvmTarget != 3)) {
        fail(QStringLiteral("Not enough data to solve ") + label, QStringLiteral("= "));
        return;
    }

    double result = 0.0;
    try {
        switch (tvmTarget) {
        case 0:
            result = tvmPresentValue(tvmRate, tvmN, tvmFV, tvmPMT, tvmPerYear);
            break;
        case 1:
            result = tvmFutureValue(tvmRate, tvmN, tvmPV, tvmPMT, tvmPerYear);
            break;
        case 2:
            result = tvmPayment(tvmRate, tvmN, tvmFV, tvmPV, tvmPerYear);
            break;
        case 3:
            result = tvmPeriods(tvmRate, tvmFV, tvmPV, tvmPMT, tvmPerYear);
            break;
        default:
            break;
        }
    } catch (...) {
        syntaxError();
        return;
    }
    if (tvmTarget >= 4) {
        TvmSolution s;
        try {
            s = tvmTarget == 4 ? tvmSolveRate(tvmN, tvmFV, tvmPV, tvmPMT, tvmPerYear)
                               : tvmSolvePerYear(tvmN, tvmFV, tvmPV, tvmPMT, tvmRate);
        } catch (...) {
            toProblem(QStringLiteral("= Can't calculate ") + label);
            fail(QStringLiteral("Can't calculate ") + label, QStringLiteral("= "));
            return;
        }
        if (!s.found) {
            toProblem(QStringLiteral("= "));
            fail(QStringLiteral("Can't calculate ") + label, QStringLiteral("= "));
            return;
        }
        result = s.value;
    }

    tvmReset();
    const std::string text = formatResult(result);
    const auto grouped = groupThousands(text);
    setSolutionText(QString::fromStdString(grouped ? *grouped : text) + label);
    toProblem(QStringLiteral("= "));
    toProblem(QString::fromStdString(text));
    toProblem(label);
    toHistory(QStringLiteral("= "));
    toHistory(QString::fromStdString(text));
    toHistory(label);
    toHistory(QString::fromLatin1(kHistorySeparator));
    scrollToBottom(LHistoryREdit);
}

} // namespace zc
