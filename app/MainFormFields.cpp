// Binds the main window's fields to the components its description names.
#include "app/Unit1.h"

namespace app {

void TForm1::RegisterComponents() {
#define FORM1_FIELD(name) RegisterField(L## #name, name)
  FORM1_FIELD(sComboBox1);
  FORM1_FIELD(sPanel19);
  FORM1_FIELD(sBitBtn7);
  FORM1_FIELD(sBitBtn8);
  FORM1_FIELD(sBitBtn9);
  FORM1_FIELD(sBitBtn10);
  FORM1_FIELD(sGauge1);
  FORM1_FIELD(sPanel4);
  FORM1_FIELD(Image2);
  FORM1_FIELD(sLabel1);
  FORM1_FIELD(sLabel2);
  FORM1_FIELD(sLabel3);
  FORM1_FIELD(Shape2);
  FORM1_FIELD(sPanel1);
  FORM1_FIELD(sPanel3);
  FORM1_FIELD(sPanel7);
  FORM1_FIELD(sPanel9);
  FORM1_FIELD(sPanel6);
  FORM1_FIELD(sButton1);
  FORM1_FIELD(sButton2);
  FORM1_FIELD(sButton3);
  FORM1_FIELD(sButton4);
  FORM1_FIELD(sBitBtn2);
  FORM1_FIELD(sBitBtn3);
  FORM1_FIELD(sBitBtn11);
  FORM1_FIELD(sBitBtn4);
  FORM1_FIELD(sPanel2);
  FORM1_FIELD(sPanel22);
  FORM1_FIELD(Image1);
  FORM1_FIELD(sBitBtn12);
  FORM1_FIELD(Memo1);
  FORM1_FIELD(Memo2);
  FORM1_FIELD(sEdit1);
  FORM1_FIELD(sEdit2);
  FORM1_FIELD(sEdit3);
  FORM1_FIELD(sEdit4);
  FORM1_FIELD(sEdit5);
  FORM1_FIELD(sEdit6);
  FORM1_FIELD(sEdit7);
  FORM1_FIELD(sEdit8);
  FORM1_FIELD(sEdit9);
  FORM1_FIELD(sEdit24);
  FORM1_FIELD(sLabel11);
  FORM1_FIELD(sCheckBox1);
  FORM1_FIELD(sCheckBox2);
  FORM1_FIELD(sCheckBox3);
  FORM1_FIELD(sBitBtn1);
  FORM1_FIELD(sBitBtn5);
  FORM1_FIELD(sPanel21);
  FORM1_FIELD(Image3);
  FORM1_FIELD(Timer1);
  FORM1_FIELD(Timer2);
  FORM1_FIELD(PopupMenu3);
  FORM1_FIELD(PopupMenu10);
  FORM1_FIELD(Ukryjkosztyzakupu1);
  FORM1_FIELD(Przypominajoserwisie1);
  FORM1_FIELD(po5latach1);
  FORM1_FIELD(po10latach1);
#undef FORM1_FIELD
}

}  // namespace app
