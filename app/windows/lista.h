#pragma once
// A drop-down list for choosing one entry of a short list: the chosen entry
// shows as text, the up and down arrows choose the previous or next one. It
// stands in for the combo boxes of the login window (the server list and the
// price lists) until the combo controls exist.
#include <string>
#include <vector>

#include "framework/ui/stdctrls/edit.h"

namespace tv::app {

class TListaSeleccion : public TEdit {
    TV_CLASS(TListaSeleccion, TEdit)
public:
    explicit TListaSeleccion(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);

    // Entries shown and, beside each, the value it stands for (the entry
    // itself when no values are given).
    void AsigneElementos(const std::vector<std::string>& elementos, const std::vector<std::string>& valores = {});
    const std::vector<std::string>& Elementos() const { return elementos_; }
    int ItemIndex() const { return indice_; }
    void SetItemIndex(int i);
    // The chosen entry's value; empty when none is chosen.
    std::string Valor() const;
    // A fixed list keeps its entry.
    bool Fija() const { return fija_; }
    void SetFija(bool v) { fija_ = v; }

protected:
    void KeyDown(win::WORD& key, TShiftState shift) override;

private:
    std::vector<std::string> elementos_, valores_;
    int indice_ = -1;
    bool fija_ = false;
};

} // namespace tv::app
