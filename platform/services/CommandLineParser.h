// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>
#include <vector>

// The toolkit's command-line parser, for the arguments left once the toolkit has taken
// its own (-platform, -display, ...). Long options may be written with one dash or two,
// and a value may follow as the next argument or after '='; options may stand before or
// after the positional arguments.
class TCommandLineParser {
public:
    TCommandLineParser();
    ~TCommandLineParser();
    TCommandLineParser(const TCommandLineParser&) = delete;
    TCommandLineParser& operator=(const TCommandLineParser&) = delete;

    // A switch, or an option that takes a value when valueName is given. The first name is
    // the one IsSet and Value ask by.
    void AddOption(const std::vector<std::string>& names, const std::string& valueName = {});

    // False on an unknown option or a missing value; Error() then says what, in one line.
    bool Parse(const std::vector<std::string>& arguments);
    std::string Error() const;

    bool IsSet(const std::string& name) const;
    std::string Value(const std::string& name) const;
    std::vector<std::string> Positional() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl_;
};

// The program's arguments without the toolkit's own, program name first.
std::vector<std::string> ApplicationArguments();

// The same, worked out before the toolkit starts: the options the toolkit takes for itself
// (-platform NAME, -display NAME, -style NAME, -reverse, ..., with one dash or two) are
// left out, so that the program's own can be checked without a display.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments);
