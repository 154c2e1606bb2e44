// The runtime's error numbers and their messages.
#include "runtime/runtime_error.h"

namespace tolm::runtime {

RuntimeError overflowError() { return {kOverflow, "Přetečení"}; }
RuntimeError typeMismatchError() { return {kTypeMismatch, "Neshoda typů"}; }
RuntimeError floatingPointError() { return {kFloatingPoint, "Chyba výpočtu v plovoucí čárce"}; }
RuntimeError propertyError() { return {kPropertyFailed, "Ovládací prvek tuto vlastnost nepodporuje"}; }

std::string playerMessage(const RuntimeError& error) {
    return "Chyba " + std::to_string(error.number) + " za běhu programu:\n" + error.message;
}

}  // namespace tolm::runtime
