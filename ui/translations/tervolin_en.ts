<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name />
    <message id="自由電子の曲線を重ねる">
        <source>自由電子の曲線を重ねる</source>
        <oldsource>自由電子の曲線を重ねる</oldsource>
        <translation>Add the free electron's curves</translation>
    </message>
    <message id="立体角あたりで表示">
        <source>立体角あたりで表示</source>
        <oldsource>立体角あたりで表示</oldsource>
        <translation>Show per solid angle</translation>
    </message>
    <message id="極座標で表示…">
        <source>極座標で表示…</source>
        <oldsource>極座標で表示…</oldsource>
        <translation>Show in polar coordinates…</translation>
    </message>
    <message id="光子エネルギーおよび散乱体物質の設定">
        <source>光子エネルギーおよび散乱体物質の設定</source>
        <oldsource>光子エネルギーおよび散乱体物質の設定</oldsource>
        <translation>Photon energy and scatterer</translation>
    </message>
    <message id="散乱角度の確率密度分布">
        <source>散乱角度の確率密度分布</source>
        <oldsource>散乱角度の確率密度分布</oldsource>
        <translation>Angular probability density</translation>
    </message>
    <message id=" 光子エネルギー ">
        <source> 光子エネルギー </source>
        <oldsource> 光子エネルギー </oldsource>
        <translation> Photon energy </translation>
    </message>
    <message id="単一エネルギー">
        <source>単一エネルギー</source>
        <oldsource>単一エネルギー</oldsource>
        <translation>Single energy</translation>
    </message>
    <message id="keV">
        <source>keV</source>
        <oldsource>keV</oldsource>
        <translation>keV</translation>
    </message>
    <message id="スペクトルＸ線">
        <source>スペクトルＸ線</source>
        <oldsource>スペクトルＸ線</oldsource>
        <translation>X-ray spectrum</translation>
    </message>
    <message id="スペクトル計算">
        <source>スペクトル計算</source>
        <oldsource>スペクトル計算</oldsource>
        <translation>New spectrum</translation>
    </message>
    <message id="散乱体">
        <source>散乱体</source>
        <oldsource>散乱体</oldsource>
        <translation>Scatterer</translation>
    </message>
    <message id=" 描画色 ">
        <source> 描画色 </source>
        <oldsource> 描画色 </oldsource>
        <translation> Colour </translation>
    </message>
    <message id="赤色">
        <source>赤色</source>
        <oldsource>赤色</oldsource>
        <translation>Red</translation>
    </message>
    <message id="濃緑色">
        <source>濃緑色</source>
        <oldsource>濃緑色</oldsource>
        <translation>Green</translation>
    </message>
    <message id="青色">
        <source>青色</source>
        <oldsource>青色</oldsource>
        <translation>Blue</translation>
    </message>
    <message id="計算・描画">
        <source>計算・描画</source>
        <oldsource>計算・描画</oldsource>
        <translation>Calculate</translation>
    </message>
    <message id="グラフ消去">
        <source>グラフ消去</source>
        <oldsource>グラフ消去</oldsource>
        <translation>Clear graph</translation>
    </message>
    <message id="終了して初期画面に戻る">
        <source>終了して初期画面に戻る</source>
        <oldsource>終了して初期画面に戻る</oldsource>
        <translation>Back to the start screen</translation>
    </message>
    <message id="　Data reference">
        <source>　Data reference</source>
        <oldsource>　Data reference</oldsource>
        <translation>　Data reference</translation>
    </message>
    <message id="閉じる">
        <source>閉じる</source>
        <oldsource>閉じる</oldsource>
        <translation>Close</translation>
    </message>
    <message id="データの出典">
        <source>データの出典</source>
        <oldsource>データの出典</oldsource>
        <translation>Source of the data</translation>
    </message>
    <message id=" Coherent scattering">
        <source> Coherent scattering</source>
        <oldsource> Coherent scattering</oldsource>
        <translation> Coherent scattering</translation>
    </message>
    <message id="干渉性散乱（レイリー散乱）">
        <source>干渉性散乱（レイリー散乱）</source>
        <oldsource>干渉性散乱（レイリー散乱）</oldsource>
        <translation>Coherent scattering (Rayleigh scattering)</translation>
    </message>
    <message id="各物質の形状因子は、付属の tervolin-tables で xraylib から作成できる">
        <source>各物質の形状因子は、付属の tervolin-tables で xraylib から作成できる</source>
        <oldsource>各物質の形状因子は、付属の tervolin-tables で xraylib から作成できる</oldsource>
        <translation>tervolin-tables makes form factors of more materials from xraylib</translation>
    </message>
    <message id="干渉性散乱">
        <source>干渉性散乱</source>
        <oldsource>干渉性散乱</oldsource>
        <translation>Coherent</translation>
    </message>
    <message id=" Incoherent scattering">
        <source> Incoherent scattering</source>
        <oldsource> Incoherent scattering</oldsource>
        <translation> Incoherent scattering</translation>
    </message>
    <message id="非干渉性散乱（コンプトン散乱）">
        <source>非干渉性散乱（コンプトン散乱）</source>
        <oldsource>非干渉性散乱（コンプトン散乱）</oldsource>
        <translation>Incoherent scattering (Compton scattering)</translation>
    </message>
    <message id="各物質の非干渉性散乱関数は、付属の tervolin-tables で xraylib から作成できる">
        <source>各物質の非干渉性散乱関数は、付属の tervolin-tables で xraylib から作成できる</source>
        <oldsource>各物質の非干渉性散乱関数は、付属の tervolin-tables で xraylib から作成できる</oldsource>
        <translation>tervolin-tables makes scattering functions S(x) from xraylib</translation>
    </message>
    <message id="非干渉性散乱">
        <source>非干渉性散乱</source>
        <oldsource>非干渉性散乱</oldsource>
        <translation>Incoherent</translation>
    </message>
    <message id="左に示した式を用いて">
        <source>左に示した式を用いて</source>
        <oldsource>左に示した式を用いて</oldsource>
        <translation>With the formula on the left</translation>
    </message>
    <message id="散乱角度 1 度～180 度まで、1 度間隔で">
        <source>散乱角度 1 度～180 度まで、1 度間隔で</source>
        <oldsource>散乱角度 1 度～180 度まで、1 度間隔で</oldsource>
        <translation>the differential cross section is</translation>
    </message>
    <message id="微分断面積を計算する">
        <source>微分断面積を計算する</source>
        <oldsource>微分断面積を計算する</oldsource>
        <translation>computed from 1° to 180° in 1° steps;</translation>
    </message>
    <message id="各散乱角の微分断面積を、最大値で正規化し">
        <source>各散乱角の微分断面積を、最大値で正規化し</source>
        <oldsource>各散乱角の微分断面積を、最大値で正規化し</oldsource>
        <translation>each is divided by the largest</translation>
    </message>
    <message id="散乱角度の確率密度分布をグラフ表示する">
        <source>散乱角度の確率密度分布をグラフ表示する</source>
        <oldsource>散乱角度の確率密度分布をグラフ表示する</oldsource>
        <translation>and drawn as a probability density.</translation>
    </message>
    <message id="次へ進む">
        <source>次へ進む</source>
        <oldsource>次へ進む</oldsource>
        <translation>Next</translation>
    </message>
    <message id="キャンセル">
        <source>キャンセル</source>
        <oldsource>キャンセル</oldsource>
        <translation>Cancel</translation>
    </message>
    <message id="データ出典">
        <source>データ出典</source>
        <oldsource>データ出典</oldsource>
        <translation>Data source</translation>
    </message>
    <message id="スペクトルＸ線に対する計算方法">
        <source>スペクトルＸ線に対する計算方法</source>
        <oldsource>スペクトルＸ線に対する計算方法</oldsource>
        <translation>Method for spectral X-rays</translation>
    </message>
    <message id="グラフをコピー">
        <source>グラフをコピー</source>
        <oldsource>グラフをコピー</oldsource>
        <translation>Copy graph</translation>
    </message>
    <message id="グラフを保存…">
        <source>グラフを保存…</source>
        <oldsource>グラフを保存…</oldsource>
        <translation>Save graph…</translation>
    </message>
    <message id="凡例を表示">
        <source>凡例を表示</source>
        <oldsource>凡例を表示</oldsource>
        <translation>Show legend</translation>
    </message>
    <message id="凡例を元の位置に戻す">
        <source>凡例を元の位置に戻す</source>
        <oldsource>凡例を元の位置に戻す</oldsource>
        <translation>Put the legend back</translation>
    </message>
    <message id="散乱の大きさを比較…">
        <source>散乱の大きさを比較…</source>
        <oldsource>散乱の大きさを比較…</oldsource>
        <translation>Compare the sizes of scattering…</translation>
    </message>
    <message id="散乱の大きさを比較">
        <source>散乱の大きさを比較</source>
        <oldsource>散乱の大きさを比較</oldsource>
        <translation>Sizes of scattering</translation>
    </message>
    <message id="縦軸を対数で表示">
        <source>縦軸を対数で表示</source>
        <oldsource>縦軸を対数で表示</oldsource>
        <translation>Logarithmic value axis</translation>
    </message>
    <message id="メニュー">
        <source>メニュー</source>
        <oldsource>メニュー</oldsource>
        <translation>Menu</translation>
    </message>
    <message id="散乱の大きさ">
        <source>散乱の大きさ</source>
        <oldsource>散乱の大きさ</oldsource>
        <translation>sizes of scattering</translation>
    </message>
    <message id="極座標で表示">
        <source>極座標で表示</source>
        <oldsource>極座標で表示</oldsource>
        <translation>Polar coordinates</translation>
    </message>
    <message id="極座標">
        <source>極座標</source>
        <oldsource>極座標</oldsource>
        <translation>polar</translation>
    </message>
    <message id="「.%1」のファイルには保存できません。保存できる種類: .%2">
        <source>「.%1」のファイルには保存できません。保存できる種類: .%2</source>
        <oldsource>「.%1」のファイルには保存できません。保存できる種類: .%2</oldsource>
        <translation>Files of type .%1 cannot be saved. Types that can: .%2</translation>
    </message>
    <message id="ファイル「%1」は既にあります。">
        <source>ファイル「%1」は既にあります。</source>
        <oldsource>ファイル「%1」は既にあります。</oldsource>
        <translation>The file %1 exists already.</translation>
    </message>
    <message id="置き換えますか？">
        <source>置き換えますか？</source>
        <oldsource>置き換えますか？</oldsource>
        <translation>Replace it?</translation>
    </message>
    <message id="グラフを保存">
        <source>グラフを保存</source>
        <oldsource>グラフを保存</oldsource>
        <translation>Save graph</translation>
    </message>
    <message id="ファイル「%1」を保存できませんでした。">
        <source>ファイル「%1」を保存できませんでした。</source>
        <oldsource>ファイル「%1」を保存できませんでした。</oldsource>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message id="理由: %2">
        <source>理由: %2</source>
        <oldsource>理由: %2</oldsource>
        <translation>Reason: %2</translation>
    </message>
    <message id="　スペクトルＸ線">
        <source>　スペクトルＸ線</source>
        <oldsource>　スペクトルＸ線</oldsource>
        <translation>　Spectral X-rays</translation>
    </message>
    <message id="なし">
        <source>なし</source>
        <oldsource>なし</oldsource>
        <translation>none</translation>
    </message>
    <message id="Ｘ線スペクトルを近似計算する">
        <source>Ｘ線スペクトルを近似計算する</source>
        <oldsource>Ｘ線スペクトルを近似計算する</oldsource>
        <translation>Approximate X-ray spectrum</translation>
    </message>
    <message id="照射条件を設定して下さい">
        <source>照射条件を設定して下さい</source>
        <oldsource>照射条件を設定して下さい</oldsource>
        <translation>Set the exposure</translation>
    </message>
    <message id="Ｘ線管電圧">
        <source>Ｘ線管電圧</source>
        <oldsource>Ｘ線管電圧</oldsource>
        <translation>Tube voltage</translation>
    </message>
    <message id="kV">
        <source>kV</source>
        <oldsource>kV</oldsource>
        <translation>kV</translation>
    </message>
    <message id="(30～150)">
        <source>(30～150)</source>
        <oldsource>(30～150)</oldsource>
        <translation>(30 to 150)</translation>
    </message>
    <message id="高電圧整流方式：定電圧">
        <source>高電圧整流方式：定電圧</source>
        <oldsource>高電圧整流方式：定電圧</oldsource>
        <translation>Constant-potential generator</translation>
    </message>
    <message id="ターゲット角度">
        <source>ターゲット角度</source>
        <oldsource>ターゲット角度</oldsource>
        <translation>Target angle</translation>
    </message>
    <message id="固有ろ過（Al当量）">
        <source>固有ろ過（Al当量）</source>
        <oldsource>固有ろ過（Al当量）</oldsource>
        <translation>Inherent filtration</translation>
    </message>
    <message id="mmAl eq.">
        <source>mmAl eq.</source>
        <oldsource>mmAl eq.</oldsource>
        <translation>mmAl eq.</translation>
    </message>
    <message id="(最小1mm)">
        <source>(最小1mm)</source>
        <oldsource>(最小1mm)</oldsource>
        <translation>(at least 1 mm)</translation>
    </message>
    <message id="アルミ付加フィルタ">
        <source>アルミ付加フィルタ</source>
        <oldsource>アルミ付加フィルタ</oldsource>
        <translation>Added Al filter</translation>
    </message>
    <message id="mm">
        <source>mm</source>
        <oldsource>mm</oldsource>
        <translation>mm</translation>
    </message>
    <message id="銅付加フィルタ">
        <source>銅付加フィルタ</source>
        <oldsource>銅付加フィルタ</oldsource>
        <translation>Added Cu filter</translation>
    </message>
    <message id="やり直し">
        <source>やり直し</source>
        <oldsource>やり直し</oldsource>
        <translation>Clear</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <oldsource>OK</oldsource>
        <translation>OK</translation>
    </message>
    <message id="degree">
        <source>degree</source>
        <oldsource>degree</oldsource>
        <translation>degree</translation>
    </message>
    <message id="線質（IEC 61267）">
        <source>線質（IEC 61267）</source>
        <oldsource>線質（IEC 61267）</oldsource>
        <translation>Quality (IEC 61267)</translation>
    </message>
    <message id="スペクトルを共通の尺度で表示">
        <source>スペクトルを共通の尺度で表示</source>
        <oldsource>スペクトルを共通の尺度で表示</oldsource>
        <translation>Show the spectra on one scale</translation>
    </message>
    <message id="X-ray spectrum">
        <source>X-ray spectrum</source>
        <oldsource>X-ray spectrum</oldsource>
        <translation>X-ray spectrum</translation>
    </message>
    <message id="干渉性散乱（レイリー散乱）  非干渉性散乱（コンプトン散乱）">
        <source>干渉性散乱（レイリー散乱）  非干渉性散乱（コンプトン散乱）</source>
        <oldsource>干渉性散乱（レイリー散乱）  非干渉性散乱（コンプトン散乱）</oldsource>
        <translation>Coherent (Rayleigh) and incoherent (Compton) scattering</translation>
    </message>
    <message id="Coherent scattering">
        <source>Coherent scattering</source>
        <oldsource>Coherent scattering</oldsource>
        <translation>Coherent scattering</translation>
    </message>
    <message id="Incoherent scattering">
        <source>Incoherent scattering</source>
        <oldsource>Incoherent scattering</oldsource>
        <translation>Incoherent scattering</translation>
    </message>
    <message id="物質中で">
        <source>物質中で</source>
        <oldsource>物質中で</oldsource>
        <translation>For coherent and incoherent</translation>
    </message>
    <message id="干渉性散乱および非干渉性散乱が">
        <source>干渉性散乱および非干渉性散乱が</source>
        <oldsource>干渉性散乱および非干渉性散乱が</oldsource>
        <translation>scattering of photons in matter,</translation>
    </message>
    <message id="起こった時、どの角度(θ)方向へ">
        <source>起こった時、どの角度(θ)方向へ</source>
        <oldsource>起こった時、どの角度(θ)方向へ</oldsource>
        <translation>this computes from theory and</translation>
    </message>
    <message id="散乱されるかの確率密度分布を">
        <source>散乱されるかの確率密度分布を</source>
        <oldsource>散乱されるかの確率密度分布を</oldsource>
        <translation>shows the probability density of</translation>
    </message>
    <message id="理論的に計算して表示します">
        <source>理論的に計算して表示します</source>
        <oldsource>理論的に計算して表示します</oldsource>
        <translation>the scattering angle (θ).</translation>
    </message>
    <message id="終　了">
        <source>終　了</source>
        <oldsource>終　了</oldsource>
        <translation>Quit</translation>
    </message>
    <message id="%1 を読めないため、Tervolin を起動できません。">
        <source>%1 を読めないため、Tervolin を起動できません。</source>
        <oldsource>%1 を読めないため、Tervolin を起動できません。</oldsource>
        <translation>Tervolin cannot start: it cannot read %1.</translation>
    </message>
    <message id="作業フォルダ: %2">
        <source>作業フォルダ: %2</source>
        <oldsource>作業フォルダ: %2</oldsource>
        <translation>Working folder: %2</translation>
    </message>
    <message id="PNG 画像・画面の 2 倍 (*.png)">
        <source>PNG 画像・画面の 2 倍 (*.png)</source>
        <oldsource>PNG 画像・画面の 2 倍 (*.png)</oldsource>
        <translation>PNG picture, twice the screen's size (*.png)</translation>
    </message>
    <message id="PNG 画像・画面と同じ大きさ (*.png)">
        <source>PNG 画像・画面と同じ大きさ (*.png)</source>
        <oldsource>PNG 画像・画面と同じ大きさ (*.png)</oldsource>
        <translation>PNG picture, the screen's size (*.png)</translation>
    </message>
    <message id="PNG 画像・画面の 3 倍 (*.png)">
        <source>PNG 画像・画面の 3 倍 (*.png)</source>
        <oldsource>PNG 画像・画面の 3 倍 (*.png)</oldsource>
        <translation>PNG picture, three times the screen's size (*.png)</translation>
    </message>
    <message id="SVG 図 (*.svg)">
        <source>SVG 図 (*.svg)</source>
        <oldsource>SVG 図 (*.svg)</oldsource>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message id="PDF 文書 (*.pdf)">
        <source>PDF 文書 (*.pdf)</source>
        <oldsource>PDF 文書 (*.pdf)</oldsource>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message id="CSV 数値表 (*.csv)">
        <source>CSV 数値表 (*.csv)</source>
        <oldsource>CSV 数値表 (*.csv)</oldsource>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message id="スライド用 16:9 PNG 画像・1920×1080 (*.png)">
        <source>スライド用 16:9 PNG 画像・1920×1080 (*.png)</source>
        <oldsource>スライド用 16:9 PNG 画像・1920×1080 (*.png)</oldsource>
        <translation>16:9 slide PNG image, 1920×1080 (*.png)</translation>
    </message>
    <message id="スライド用 16:9 PNG 画像・3840×2160 (*.png)">
        <source>スライド用 16:9 PNG 画像・3840×2160 (*.png)</source>
        <oldsource>スライド用 16:9 PNG 画像・3840×2160 (*.png)</oldsource>
        <translation>16:9 slide PNG image, 3840×2160 (*.png)</translation>
    </message>
    <message id="スライド用 16:9 SVG 図 (*.svg)">
        <source>スライド用 16:9 SVG 図 (*.svg)</source>
        <oldsource>スライド用 16:9 SVG 図 (*.svg)</oldsource>
        <translation>16:9 slide SVG drawing (*.svg)</translation>
    </message>
    <message id="スライド用 16:9 PDF 文書 (*.pdf)">
        <source>スライド用 16:9 PDF 文書 (*.pdf)</source>
        <oldsource>スライド用 16:9 PDF 文書 (*.pdf)</oldsource>
        <translation>16:9 slide PDF document (*.pdf)</translation>
    </message>
    <message id="色覚に配慮した配色">
        <source>色覚に配慮した配色</source>
        <oldsource>色覚に配慮した配色</oldsource>
        <translation>Colours safe for colour-vision deficiency</translation>
    </message>
</context>
</TS>