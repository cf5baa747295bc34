#include "TestReports.h"

#include "MessageText.h"

#include <cstdio>

namespace {

// Text for XML: control characters escaped as in messages, markup characters as entities.
std::string Xml(const std::string& text)
{
    std::string out;
    for (const char c : MessagePath(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

std::string CsvField(const std::string& text)
{
    std::string field = MessagePath(text);
    if (!field.empty() && (field[0] == '=' || field[0] == '+' || field[0] == '-' || field[0] == '@'))
        field.insert(0, "'");
    if (field.find_first_of(",\"") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string JunitReport(const std::string& table, const std::vector<TFileVerdict>& verdicts)
{
    size_t failures = 0;
    double seconds = 0;
    for (const TFileVerdict& v : verdicts) {
        failures += v.Passed ? 0 : 1;
        seconds += v.Seconds;
    }
    const std::string counts = " tests=\"" + std::to_string(verdicts.size()) + "\" failures=\"" +
                               std::to_string(failures) + "\" errors=\"0\" time=\"" + Seconds(seconds) + "\"";
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites" + counts + ">\n";
    xml += "  <testsuite name=\"" + Xml(table) + "\"" + counts + ">\n";
    for (const TFileVerdict& v : verdicts) {
        xml += "    <testcase classname=\"" + Xml(table) + "\" name=\"" + Xml(v.File) + "\" time=\"" +
               Seconds(v.Seconds) + "\"";
        if (v.Passed) {
            xml += "/>\n";
            continue;
        }
        xml += ">\n      <failure message=\"" + Xml(v.Message) + "\">";
        for (const std::string& failure : v.Failures) xml += Xml(failure) + "\n";
        xml += "</failure>\n    </testcase>\n";
    }
    return xml + "  </testsuite>\n</testsuites>\n";
}

std::string CsvReport(const std::vector<TFileVerdict>& verdicts)
{
    std::string csv = "file,result,rows_passed,rows,first_failing_line,message\r\n";
    for (const TFileVerdict& v : verdicts) {
        csv += CsvField(v.File) + (v.Passed ? ",PASS," : ",FAIL,") + std::to_string(v.RowsPassed) + "," +
               std::to_string(v.Rows) + "," + (v.FirstFailingLine ? std::to_string(v.FirstFailingLine) : "") + "," +
               CsvField(v.Message) + "\r\n";
    }
    return csv;
}
