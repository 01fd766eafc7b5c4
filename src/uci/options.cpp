#include "uci/options.h"
#include <strings.h>
#include <cstdlib>
#include <cstring>
#include "uci/output.h"

char NalimovPath[NalimovPathSize] = "/tablebases;/tablebases/tb6";
int NalimovCache = 1;
int NalimovReinitPending = 1;

namespace {

enum class OptionType { String, Spin };

struct Option {
  const char* Name;
  OptionType Type;
  const char* Default;
  int Min, Max;
  void* Storage;  // char[NalimovPathSize] for a string, int for a spin
  int* Changed;   // set to 1 when the option is set
};

const Option Options[] = {
    {"NalimovPath", OptionType::String, "/tablebases;/tablebases/tb6", 0, 0, NalimovPath, &NalimovReinitPending},
    {"NalimovCache", OptionType::Spin, "1", 1, 256, &NalimovCache, &NalimovReinitPending},
};

}  // namespace

void PrintOptions() {
  for (const Option& option : Options) {
    if (option.Type == OptionType::String)
      PrintLine("option name %s type string default %s", option.Name, option.Default);
    else
      PrintLine("option name %s type spin default %s min %d max %d", option.Name, option.Default,
                option.Min, option.Max);
  }
}

void SetOption(const char* name, const char* value) {
  for (const Option& option : Options) {
    if (strcasecmp(name, option.Name) != 0) continue;
    if (option.Type == OptionType::String) {
      if (std::strcmp(value, "<empty>") == 0) value = "";  // how some interfaces send ""
      if (std::strlen(value) >= NalimovPathSize) {
        PrintInfoString("value of %s longer than %d bytes ignored", option.Name, NalimovPathSize - 1);
        return;
      }
      std::strcpy(static_cast<char*>(option.Storage), value);
    } else {
      char* end;
      long number = std::strtol(value, &end, 10);
      if (end == value || *end) {
        PrintInfoString("value of %s is not a number: %s", option.Name, value);
        return;
      }
      if (number < option.Min || number > option.Max) {
        number = number < option.Min ? option.Min : option.Max;
        PrintInfoString("%s set to %ld, the nearest value in %d..%d", option.Name, number, option.Min, option.Max);
      }
      *static_cast<int*>(option.Storage) = int(number);
    }
    *option.Changed = 1;
    return;
  }
  PrintInfoString("unknown option %s", name);
}
