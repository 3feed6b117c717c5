#pragma once
// The program's five windows, created in their order: the main window first, then the
// search progress, scan progress, about and welcome windows, all owned by the main window.
#include <string>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

namespace twinsweep {

struct ProgramWindows {
    // programFolder: where "conf.dat" lives.
    ProgramWindows(Host& host, const std::string& programFolder)
        : form1(host, programFolder), form2(new TForm2(&form1, host, form1.FF1)),
          form3(new TForm3(&form1, host)), form4(new TForm4(&form1)),
          form5(new TForm5(&form1, form1.LB1)) {
        form1.SetWindows(form2, form3, form4, form5);
    }

    TForm1 form1;
    TForm2* form2;
    TForm3* form3;
    TForm4* form4;
    TForm5* form5;
};

} // namespace twinsweep
