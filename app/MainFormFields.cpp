// Binds the main window's fields to the components its description names,
// and its handlers to the event names the description gives.
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
  FORM1_FIELD(sBitBtn6);
  FORM1_FIELD(sEdit10);
  FORM1_FIELD(sEdit11);
  FORM1_FIELD(sEdit12);
  FORM1_FIELD(sEdit13);
  FORM1_FIELD(sEdit14);
  FORM1_FIELD(sCheckBox4);
  FORM1_FIELD(sCheckBox5);
  FORM1_FIELD(sCheckBox6);
  FORM1_FIELD(sCheckBox7);
  FORM1_FIELD(sCheckBox8);
  FORM1_FIELD(sCheckBox9);
  FORM1_FIELD(sCheckBox14);
  FORM1_FIELD(sCheckBox16);
  FORM1_FIELD(sCheckBox18);
  FORM1_FIELD(sCheckBox20);
  FORM1_FIELD(sEdit15);
  FORM1_FIELD(sEdit16);
  FORM1_FIELD(sEdit17);
  FORM1_FIELD(sEdit18);
  FORM1_FIELD(sEdit19);
  FORM1_FIELD(sEdit20);
  FORM1_FIELD(sEdit21);
  FORM1_FIELD(sEdit22);
  FORM1_FIELD(sEdit23);
  FORM1_FIELD(sCheckBox10);
  FORM1_FIELD(sCheckBox11);
  FORM1_FIELD(sCheckBox12);
  FORM1_FIELD(sCheckBox13);
  FORM1_FIELD(sCheckBox15);
  FORM1_FIELD(sPanel11);
  FORM1_FIELD(sPanel12);
  FORM1_FIELD(sPanel13);
  FORM1_FIELD(sPanel14);
  FORM1_FIELD(sPanel15);
  FORM1_FIELD(sPanel16);
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
  FORM1_FIELD(sSkinManager1);
  FORM1_FIELD(sSkinProvider1);
  FORM1_FIELD(sAlphaImageList1);
  FORM1_FIELD(sAlphaImageList2);
  FORM1_FIELD(PopupMenu20);
  FORM1_FIELD(Otwrzkatalogkarty1);
  FORM1_FIELD(OpenDialog1);
  FORM1_FIELD(PopupMenu1);
  FORM1_FIELD(Kadruj1);
  FORM1_FIELD(N1);
  FORM1_FIELD(Wyczy1);
#undef FORM1_FIELD
}

void TForm1::RegisterEvents() {
#define FORM1_EVENT(name) RegisterMethod(L## #name, &TForm1::name)
  FORM1_EVENT(FormCreate);
  FORM1_EVENT(FormDestroy);
  FORM1_EVENT(sButton1Click);
  FORM1_EVENT(Timer1Timer);
  FORM1_EVENT(Timer2Timer);
  FORM1_EVENT(sComboBox1DropDown);
  FORM1_EVENT(sComboBox1CloseUp);
  FORM1_EVENT(sComboBox1Change);
  FORM1_EVENT(sComboBox1ContextPopup);
  FORM1_EVENT(Otwrzkatalogkarty1Click);
  FORM1_EVENT(sBitBtn7Click);
  FORM1_EVENT(sBitBtn8Click);
  FORM1_EVENT(sBitBtn9Click);
  FORM1_EVENT(sBitBtn10Click);
  FORM1_EVENT(sBitBtn3Click);
  FORM1_EVENT(sBitBtn5Click);
  FORM1_EVENT(sBitBtn2Click);
  FORM1_EVENT(sCheckBox1Click);
  FORM1_EVENT(sCheckBox11Click);
  FORM1_EVENT(sEdit18Change);
  FORM1_EVENT(sEdit19Change);
  FORM1_EVENT(sEdit20Change);
  FORM1_EVENT(sEdit21Change);
  FORM1_EVENT(sEdit22Change);
  FORM1_EVENT(sEdit23Change);
  FORM1_EVENT(Image1Click);
  FORM1_EVENT(Image1ContextPopup);
  FORM1_EVENT(PopupMenu1Popup);
  FORM1_EVENT(Kadruj1Click);
  FORM1_EVENT(Wyczy1Click);
  FORM1_EVENT(Image1MouseDown);
  FORM1_EVENT(Image1MouseMove);
  FORM1_EVENT(Image1MouseUp);
  FORM1_EVENT(sBitBtn12Click);
#undef FORM1_EVENT
}

}  // namespace app
