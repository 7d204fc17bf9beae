#include "RunSummaryParser.h"

#include "StrngLib.h"

namespace {
constexpr size_t kRestLimit = 255;

// A word carrying a value with a three-letter name stuck to its end ("18.1Min").
void appendSuffixedValue(JobRecord& record, const std::string& tag, std::string& rest) {
    const std::string word = TakeWord(rest);
    const bool named = word.size() >= 3;
    const std::string suffix = named ? word.substr(word.size() - 3) : word;
    const std::string value = named ? word.substr(0, word.size() - 3) : word;
    record.Append(tag + suffix + "=" + value);
}

std::string afterColon(const std::string& word) {
    const size_t colon = word.find(':');
    return colon == std::string::npos ? word : word.substr(colon + 1);
}

void appendDateTime(JobRecord& record, const std::string& prefix, std::string& rest) {
    const std::string year = TakeWord(rest);
    const std::string day = TakeWord(rest);
    const std::string month = TakeWord(rest);
    record.Append(prefix + "DATE=" + year + "-" + day + "-" + month);
    record.Append(prefix + "TIME=" + TakeWord(rest));
}

void parseLine(JobRecord& record, const std::string& line) {
    std::string rest = line;
    const std::string tag = TakeWord(rest);
    if (tag == "VRX") {
        record.Append("NAME=" + line);
        std::string model = TakeWord(rest);
        const std::string variant = TakeWord(rest);
        if (variant == "REF" || variant == "XT")
            model += variant;
        record.Append("MODEL=" + model);
    } else if (tag.starts_with("KX")) {
        record.Append("NAME=" + line);
        record.Append("MODEL=" + tag);
    } else if (tag == "THE") {
        record.Append("NAME=" + line);
        record.Append("MODEL=TARAFLOW");
    } else if (tag == "VERSION" || tag == "SN" || tag == "M3S" || tag == "M3A" || tag == "ET" ||
               tag == "QSET") {
        record.Append(tag + "=" + TakeWord(rest));
    } else if (tag == "DOWNLOADED") {
        const std::string w2 = TakeWord(rest), w3 = TakeWord(rest), w4 = TakeWord(rest);
        record.Append("DOWNLOADED=" + w2 + " " + w3 + " " + w4 + "  " + TakeWord(rest));
    } else if (tag == "PUMP") {
        record.Append("PUMPTIME=" + TakeWord(rest));
    } else if (tag == "TS") {
        record.Append("M3A=" + TakeWord(rest));
    } else if (tag == "TEMP" || tag == "BP") {
        for (int i = 0; i < 3; ++i)
            appendSuffixedValue(record, tag, rest);
    } else if (tag == "FLOW") {
        const std::string w2 = TakeWord(rest);
        std::string value = w2 == "AVG" ? TakeWord(rest) : w2;
        if (w2 != "AVG" && value.size() >= 3)
            value.resize(value.size() - 3);
        record.Append("FLOWAVG=" + value);
    } else if (tag == "START") {
        appendDateTime(record, "START", rest);
    } else if (tag == "STOP") {
        appendDateTime(record, "STOP", rest);
        record.Append("CODE=" + afterColon(TakeWord(rest)));
    }
}
} // namespace

std::string FirstWord(const std::string& text) {
    return UpperCase(text.substr(0, text.find(' ')));
}

std::string TakeWord(std::string& text) {
    const std::string word = FirstWord(text);
    const size_t space = text.find(' ');
    text = space == std::string::npos ? std::string()
                                      : Trim(std::string_view(text).substr(space + 1, kRestLimit));
    return word;
}

JobRecord ParseRunSummary(const std::vector<std::string>& replyLines, const TConfigRecord& config,
                          const JobNamingEnv& env) {
    JobRecord record;
    for (const std::string& entry : replyLines) {
        const std::string line = Trim(entry);
        if (line.empty() || line[0] == '?' || line[0] == '-')
            continue;
        parseLine(record, line);
    }
    record.Append("JOBFILE=" + MakeJobFileName(config, env));
    record.Append("JOBDIR=" + AbsoluteJobDir(config.JobDir, env));
    record.Append("JOBCODE=" + config.JobCode);
    record.Append("SITENAME=" + config.SiteName);
    record.Append("STATIONCODE=" + config.StationCode);
    record.Append("OPERATORS=" + config.Operators);
    record.Append("USER1=" + config.User1);
    record.Append("USER2=" + config.User2);
    record.Append("FILTERID=");
    record.Append("FINALWT=");
    record.Append("INITIALWT=");
    return record;
}
