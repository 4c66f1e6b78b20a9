#include "reports/AnalysisExport.h"

#include "reports/DataText.h"

#include "base/YearText.h"
#include "common/Version.h"

#include "planner/AMT.h"
#include "planner/Calculate.h"
#include "planner/PlannerErrors.h"

namespace tavrel::reports {
namespace {

using osgrin::iTop;

// A JSON object written member by member.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;
    std::string& key(std::string_view name) {
        if (!first_) out_ += ',';
        first_ = false;
        appendJsonString(out_, name);
        out_ += ':';
        return out_;
    }
    void text(std::string_view name, std::string_view value) { appendJsonString(key(name), value); }
    void amount(std::string_view name, Currency value) { appendAmount(key(name), value); }
    void number(std::string_view name, long long value) { key(name) += std::to_string(value); }
    void flag(std::string_view name, bool value) { key(name) += value ? "true" : "false"; }

private:
    std::string& out_;
    bool first_ = true;
};

void yearTax(JsonObject& o, std::string_view name, const YearTax& y) {
    JsonObject t(o.key(name));
    t.amount("regularTax", y.regular);
    t.amount("amt", y.amt);
    t.amount("total", y.total);
}

// Every line of one object of a return, by the name its table gives it.
template <class T>
void lines(JsonObject& parent, std::string_view name, const T& object) {
    JsonObject o(parent.key(name));
    for (std::size_t i = 0; i < T::kLineCount; ++i) o.amount(T::kRules[i].name, object.get(i));
}

void returnFigures(JsonObject& parent, std::string_view name, const iTop& r) {
    JsonObject o(parent.key(name));
    o.number("taxYear", r.TaxYear());
    o.text("law", osgrin::lawEditionText(r.lawEdition()));
    lines(o, "return", r);
    lines(o, "income", r.inc());
    lines(o, "adjustments", r.adj());
    lines(o, "deductions", r.item());
    lines(o, "amt", r.amt());
    lines(o, "otherTaxes", r.other());
    lines(o, "credits", r.cr());
}

}  // namespace

std::string analysisJson(const mirvane::AMT& p, const AnalysisResult& r, Currency enteredLimit) {
    std::string out;
    out.reserve(32 * 1024);
    {
        JsonObject doc(out);
        doc.text("schema", "tavrel-analysis");
        doc.number("schemaVersion", kExportSchemaVersion);
        {
            JsonObject program(doc.key("program"));
            program.text("name", "Tavrel");
            program.text("version", version::kText);
        }
        doc.text("file", r.file);
        doc.text("law", osgrin::lawEditionText(r.law));
        {
            JsonObject years(doc.key("years"));
            const shell::YearTexts shown = shell::yearTexts(r.planYear);
            years.text("first", shown.current);
            years.text("second", shown.next);
        }
        {
            JsonObject h(doc.key("household"));
            h.text("spouse1", r.spouse1);
            h.text("spouse2", r.spouse2);
            h.text("description", r.description);
            h.number("filingStatus", r.filingStatus);
            h.text("filingStatusName", filingStatusName(r.filingStatus));
        }
        {
            JsonObject a(doc.key("answer"));
            a.flag("deferring", r.deferring);
            a.flag("searched", r.searched);
            a.amount("deferral", r.deferred);
            a.amount("presentValueSaving", r.saving);
            a.text("sentence", answerSentence(r));
        }
        {
            JsonObject s(doc.key("summary"));
            {
                JsonObject w(s.key("withoutDeferral"));
                yearTax(w, "first", r.without[0]);
                yearTax(w, "second", r.without[1]);
                w.amount("presentValueSecondYear", r.pvNextWithout);
                w.amount("presentValueBothYears", r.combinedWithout);
            }
            {
                JsonObject w(s.key("withDeferral"));
                yearTax(w, "first", r.with[0]);
                yearTax(w, "second", r.with[1]);
                w.amount("presentValueSecondYear", r.pvNextWith);
                w.amount("presentValueBothYears", r.combinedWith);
            }
            s.amount("presentValueSaving", r.saving);
        }
        {
            // The planner's inputs and options by their property names, as text.
            JsonObject in(doc.key("inputs"));
            in.amount("deferralLimit", enteredLimit);
            JsonObject planner(in.key("planner"));
            for (const auto& prop : mirvane::amtProperties())
                if (prop.get) planner.text(prop.name, prop.get(p));
        }
        {
            JsonObject returns(doc.key("returns"));
            returnFigures(returns, "firstWithoutDeferral", p.cur());
            returnFigures(returns, "secondWithoutDeferral", p.nxt());
            returnFigures(returns, "firstWithDeferral", p.curAcc());
            returnFigures(returns, "secondWithDeferral", p.nxtAcc());
        }
        {
            std::string& c = doc.key("curve");
            c += '[';
            for (std::size_t i = 0; i < r.curve.size(); ++i) {
                if (i) c += ',';
                JsonObject point(c);
                point.amount("deferral", r.curve[i].deferred);
                point.amount("combinedTax", r.curve[i].combinedTax);
            }
            c += ']';
        }
    }
    out += '\n';
    return out;
}

std::string analysisCsv(const AnalysisResult& r) {
    std::string out;
    out.reserve(64 * (r.curve.size() + 4));
    out +=
        "record,year,deferral,combined_tax,regular_without,amt_without,total_without,regular_with,amt_with,"
        "total_with,pv_saving\n";
    const shell::YearTexts shown = shell::yearTexts(r.planYear);
    for (std::size_t y = 0; y < 2; ++y) {
        out += "year,";
        out += y == 0 ? shown.current : shown.next;
        out += ",,,";
        for (const YearTax* t : {&r.without[y], &r.with[y]}) {
            appendAmount(out, t->regular);
            out += ',';
            appendAmount(out, t->amt);
            out += ',';
            appendAmount(out, t->total);
            out += ',';
        }
        out += '\n';
    }
    out += "answer,,";
    appendAmount(out, r.deferred);
    out += ",";
    appendAmount(out, r.combinedWith);
    out += ",,,,,,,";
    appendAmount(out, r.saving);
    out += '\n';
    for (const CurvePoint& pt : r.curve) {
        out += "curve,,";
        appendAmount(out, pt.deferred);
        out += ',';
        appendAmount(out, pt.combinedTax);
        out += ",,,,,,,\n";
    }
    return out;
}

std::string exportData(const mirvane::AMT& planner, osgrin::LawEdition law, std::optional<std::int16_t> planYear,
                       std::string_view file, bool json) {
    const auto copy = prepareCopy(planner, law, planYear);
    const Currency entered = copy->values().MaxItemizedTaxDeferred;
    mirvane::RunAnalysisProtocol(*copy);
    const AnalysisResult result = readAnalysis(*copy, file);
    return json ? analysisJson(*copy, result, entered) : analysisCsv(result);
}

}  // namespace tavrel::reports
